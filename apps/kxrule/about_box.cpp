#include "apps/kxrule/about_box.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kxrule {
namespace {

const char* const kMaker = "The kxplanner developers";

// Clicks on the texts close the box as well as clicks beside them.
class ClickThroughLabel final : public QLabel {
 public:
  ClickThroughLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAlignment(Qt::AlignHCenter);
  }
};

}  // namespace

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("ABOUT"));
  setWindowTitle(QStringLiteral(" About the Rule 72T Calculator"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new ClickThroughLabel(QStringLiteral(" The Rule 72T Calculator"), this));
  layout->addWidget(new ClickThroughLabel(QStringLiteral("Version 1.1"), this));
  layout->addWidget(new ClickThroughLabel(QString::fromLatin1(kMaker), this));
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  layout->addWidget(ok, 0, Qt::AlignHCenter);
}

void AboutBox::keyPressEvent(QKeyEvent*) { accept(); }

void AboutBox::mousePressEvent(QMouseEvent*) { accept(); }

}  // namespace kxrule
