# Builds the manual: the planner's help pages as one HTML document.
#
#   cmake -DHELP_DIR=<data/help> -DOUTPUT=<manual.html> -DVERSION=<x.y> -P KxHelpManual.cmake
#
# The order is the one of HELP_DIR/topics.txt (lines "BOOK<TAB>NUMBER<TAB>TITLE"): a title page,
# the contents page (finance 104) as the manual's contents list, every other finance page, the
# pages of the Rule 72T calculator and the page about the suite. Links between pages become links
# to anchors inside the manual ("516.html" -> "#finance516").
cmake_minimum_required(VERSION 3.25)

foreach(var HELP_DIR OUTPUT VERSION)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "KxHelpManual.cmake needs -D${var}=...")
  endif()
endforeach()

# The part of a page between <body> and </body>, its links turned into anchors of the manual.
function(kx_manual_body file book out_var)
  file(READ ${file} page)
  string(FIND "${page}" "<body>" begin)
  string(FIND "${page}" "</body>" end)
  if(begin EQUAL -1 OR end EQUAL -1 OR end LESS begin)
    message(FATAL_ERROR "${file}: no <body> ... </body>")
  endif()
  math(EXPR begin "${begin} + 6")
  math(EXPR length "${end} - ${begin}")
  string(SUBSTRING "${page}" ${begin} ${length} body)
  # Links into the other book and to the suite page first, then links inside the same book.
  # ("../rule/1545.html" from a book, "rule/1545.html" from the suite page at the top).
  string(REGEX REPLACE "href=\"(\\.\\./)?(finance|rule)/([0-9]+)\\.html(#[A-Za-z0-9_-]+)?\""
         "href=\"#\\2\\3\"" body "${body}")
  string(REPLACE "href=\"../suite.html\"" "href=\"#suite\"" body "${body}")
  string(REPLACE "href=\"suite.html\"" "href=\"#suite\"" body "${body}")
  string(REGEX REPLACE "href=\"([0-9]+)\\.html(#[A-Za-z0-9_-]+)?\"" "href=\"#${book}\\1\""
         body "${body}")
  # The small "back to the contents" line of each page means nothing on paper.
  string(REGEX REPLACE "<p class=\"nav\">[^\n]*</p>" "" body "${body}")
  set(${out_var} "${body}" PARENT_SCOPE)
endfunction()

file(STRINGS ${HELP_DIR}/topics.txt topic_lines)
set(contents "")
set(pages "")
foreach(line IN LISTS topic_lines)
  if(NOT line MATCHES "^(finance|rule)\t([0-9]+)\t(.+)$")
    message(FATAL_ERROR "topics.txt: not BOOK<TAB>NUMBER<TAB>TITLE: '${line}'")
  endif()
  set(book ${CMAKE_MATCH_1})
  set(number ${CMAKE_MATCH_2})
  kx_manual_body(${HELP_DIR}/${book}/${number}.html ${book} body)
  # Each page starts a new page of the PDF; a browser shows the rule between them.
  set(block "<div style=\"page-break-before: always\"><a name=\"${book}${number}\"></a>\n${body}\n</div>\n")
  if(book STREQUAL "finance" AND number STREQUAL "104")
    set(contents "${block}")
  else()
    string(APPEND pages "<hr>\n${block}")
  endif()
endforeach()
if(contents STREQUAL "")
  message(FATAL_ERROR "topics.txt has no contents page (finance 104)")
endif()

kx_manual_body(${HELP_DIR}/suite.html suite suite_body)
string(REPLACE "@VERSION@" "${VERSION}" suite_body "${suite_body}")

set(manual "<html>
<head>
<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">
<title>Kestrune Dudavovez Odoredo - Manual</title>
</head>
<body>
<h1 align=\"center\">Kestrune Dudavovez Odoredo</h1>
<p align=\"center\"><b>The manual of the planner suite</b></p>
<p align=\"center\">Version ${VERSION}</p>
<p align=\"center\">This manual holds every page of the planner's help, in the order of its
table of contents, followed by the pages of the Rule 72T calculator and a page about the suite.
The same pages open one at a time from the Help menu, the F1 key and the Help buttons.</p>
<hr>
${contents}${pages}<hr>
<div style=\"page-break-before: always\"><a name=\"suite\"></a>
${suite_body}
</div>
</body>
</html>
")
file(WRITE ${OUTPUT}.part "${manual}")
file(RENAME ${OUTPUT}.part ${OUTPUT})
