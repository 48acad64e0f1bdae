#!/usr/bin/env python3
"""Writes the two scenarios that the speed work measures and checks, as JSON for
`kxplan-cli build`:

LARGEST.json  the largest scenario the editor allows: 50 accounts of every kind with random
              ranges, 150 events of every kind (deposits, withdrawals, transfers, rate changes,
              loans, mortgages, credit cards, Rule 72T transfers, the asset-allocation option),
              required minimum distributions, ages 20 to 119, Gaussian range rates, 1000 trials.
DEBTS.json    a scenario made mostly of debts: loans into every account kind, mortgages with
              and without extra payments, sales and payoffs, debts started before the plan,
              credit cards, and a start age with a birthday fraction.

Run it from this folder; the files are checked in beside it.
"""
import json

KINDS = ["asset", "equity", "investmentSavings", "retirementSavings", "taxFreeSavings"]
RMD_VALUES = [27.4, 26.5, 25.6, 24.7, 23.8, 22.9, 22.0, 21.2, 20.3, 19.5, 18.7, 17.9, 17.1,
              16.3, 15.5, 14.8, 14.1, 13.4, 12.7, 12.0, 11.4, 10.8, 10.2, 9.6, 9.1, 8.6, 8.1,
              7.6, 7.1, 6.7]


def account(i, kind, amount, rate, spread):
    a = {"name": "Account %02d" % i, "kind": kind, "initialAmount": amount, "rate": rate,
         "balance": amount, "currentRate": rate, "accessOrder": "%02d" % i, "accountId": i,
         "slot": i, "randomMinRate": rate - spread, "randomMaxRate": rate + spread,
         "stdDeviation": spread / 2}
    return a


def largest():
    accounts = []
    for i in range(50):
        kind = KINDS[i % 5]
        a = account(i, kind, 100000.0 + 1000.0 * i, 2.0 if i % 5 <= 1 else 5.0, 5.0)
        if kind == "retirementSavings":
            a["penaltyApplies"] = 1
            a["rmdTable"] = 10
        if kind in ("investmentSavings", "retirementSavings"):
            a["aaMember"] = 1
        if i % 7 == 2:
            a["dividendRate"] = 1.5
            a["dividendAccountId"] = i
        accounts.append(a)
    savings = [i for i in range(50) if i % 5 == 2]
    retirement = [i for i in range(50) if i % 5 == 3]
    events = []
    for e in range(149):
        start = 20.0 + (e * 7) % 60
        to = (e * 7 + 2) % 50
        source = (e * 3 + 3) % 50
        pay = savings[e % len(savings)]
        kind = e % 9
        if kind == 0:
            events.append({"kind": "deposit", "description": "Deposit %d" % e, "startAge": start,
                           "endAge": start + 30.0, "amount": 1000.0 + 10.0 * e, "accountId": to,
                           "applyInflation": 1, "taxDeposit": e % 2})
        elif kind == 1:
            events.append({"kind": "withdrawal", "description": "Spend %d" % e,
                           "startAge": start, "endAge": start + 40.0, "amount": 800.0,
                           "accountId": pay, "accountChosen": 438 if e % 2 else 0,
                           "appliedRate": 2.0})
        elif kind == 2:
            events.append({"kind": "transfer", "description": "Move %d" % e, "startAge": start,
                           "endAge": start + 20.0, "amount": 500.0, "fromAccountId": source,
                           "accountId": to})
        elif kind == 3:
            events.append({"kind": "fundamentals", "description": "Rates %d" % e,
                           "startAge": start, "endAge": start, "newTaxRate": 15.0 + e % 10,
                           "newInflationRate": 3.0 + e % 3, "rateAccountId": to,
                           "newAccountRate": 4.0 + e % 4})
        elif kind == 4:
            holder = e % 50  # every kind of account receives a loan in turn
            events.append({"kind": "loan", "description": "Loan %d" % e, "startAge": start,
                           "endAge": start + 10.0 + e % 7, "amount": 20000.0 + 100.0 * e,
                           "downPayment": 2000.0, "loanRate": 5.0 + 0.1 * (e % 20),
                           "years": 5 + e % 11, "accountId": holder, "depositAccountRate": -5.0,
                           "paymentAccountId": pay, "paymentAccountChosen": 438,
                           "sellAge": start + 8.0 if e % 2 else 0.0})
        elif kind == 5:
            events.append({"kind": "mortgage", "description": "Mortgage %d" % e,
                           "startAge": start, "endAge": start + 30.0 - e % 5,
                           "amount": 300000.0 + 1000.0 * e, "downPayment": 60000.0,
                           "downPaymentToEquity": e % 2, "loanRate": 4.0 + 0.05 * (e % 30),
                           "years": 15 + 5 * (e % 4), "paymentAccountId": pay,
                           "paymentAccountChosen": 438, "propertyTaxes": 3000.0,
                           "inflateTaxes": 1, "closingCosts": 5000.0,
                           "appreciationRate": 3.0, "sellAge": start + 25.0 if e % 3 == 0 else 0.0,
                           "sellingCostPercent": 6.0, "extraMonthlyPayment": 100.0 * (e % 3),
                           "extraPaymentStart": [0, 2, 3][e % 3]})
        elif kind == 6:
            events.append({"kind": "creditCard", "description": "Card %d" % e,
                           "startAge": start, "endAge": start + 12.0, "cardMarker": 64536,
                           "amount": 5000.0 + 50.0 * e, "loanRate": 18.0 + e % 9,
                           "monthlyPayment": 250.0, "monthlyPurchases": 60.0, "accountId": pay,
                           "accountChosen": 438})
        elif kind == 7:
            events.append({"kind": "rule72tTransfer", "description": "72T %d" % e,
                           "startAge": 50.0 + e % 10, "endAge": 60.0 + e % 10,
                           "transferVariant": 72, "fromAccountId": retirement[e % 10],
                           "accountId": savings[e % 10], "beneficiaryAge": 45.0,
                           "lifeTable": e % 3, "rule72tMethod": e % 3, "loanRate": 5.0})
        else:
            events.append({"kind": "deposit", "description": "Pay %d" % e, "startAge": start,
                           "endAge": start + 25.0, "amount": 40000.0, "accountId": pay,
                           "appliedRate": 3.0, "taxDeposit": 1})
    events.append({"kind": "assetAllocationOption",
                   "description": "Asset allocation withdrawal option in effect.",
                   "startAge": 70.0, "endAge": 120.0, "amount": 20000.0})
    return {
        "initialValues": {"startAge": 20.0, "endAge": 119.0, "inflationRate": 3.0,
                          "taxRate": 20.0},
        "accounts": accounts,
        "accountTable": {"nextAccountId": 50, "aaMethod": 1, "aaStartAge": 70.0,
                         "aaMinimumWithdrawal": 20000.0, "rmdMethod": 1},
        "rmdSettings": {"rmdTransferAccountId": savings[0], "rmdPenaltyRate": 50.0,
                        "rmdTable1Description": "IRA Uniform", "rmdTable1Values": RMD_VALUES},
        "monteCarlo": {"mcTrials": 1000, "mcMinInflation": 1.0, "mcMaxInflation": 5.0,
                       "mcGoalAmount": 1000000.0, "mcRateType": 0, "mcRangeFactor": 2},
        "events": events,
    }


def debts():
    accounts = [
        account(0, "investmentSavings", 80000.0, 3.0, 2.0),
        account(1, "investmentSavings", 20000.0, 1.0, 1.0),
        account(2, "asset", 0.0, -12.0, 5.0),
        account(3, "equity", 5000.0, 6.0, 10.0),
        account(4, "retirementSavings", 150000.0, 6.0, 12.0),
        account(5, "taxFreeSavings", 30000.0, 6.5, 10.0),
    ]
    accounts[4]["penaltyApplies"] = 1

    def loan(n, start, payoff, amount, down, rate, years, holder, sell=0.0):
        return {"kind": "loan", "description": "Loan %d" % n, "startAge": start,
                "endAge": payoff, "amount": amount, "downPayment": down, "loanRate": rate,
                "years": years, "accountId": holder, "depositAccountRate": -12.0,
                "paymentAccountId": 1, "paymentAccountChosen": 438, "sellAge": sell}

    def mortgage(n, start, payoff, amount, rate, years, extra, extraStart, sell=0.0,
                 toEquity=0):
        return {"kind": "mortgage", "description": "Mortgage %d" % n, "startAge": start,
                "endAge": payoff, "amount": amount, "downPayment": amount * 0.2,
                "downPaymentToEquity": toEquity, "loanRate": rate, "years": years,
                "paymentAccountId": 0, "paymentAccountChosen": 438, "propertyTaxes": 4200.0,
                "inflateTaxes": 1, "closingCosts": 6500.0, "appreciationRate": 3.25,
                "sellAge": sell, "sellingCostPercent": 6.0, "extraMonthlyPayment": extra,
                "extraPaymentStart": extraStart}

    def card(n, start, payoff, amount, rate, payment, purchases):
        return {"kind": "creditCard", "description": "Card %d" % n, "startAge": start,
                "endAge": payoff, "cardMarker": 64536, "amount": amount, "loanRate": rate,
                "monthlyPayment": payment, "monthlyPurchases": purchases, "accountId": 1,
                "accountChosen": 438}

    events = [
        {"kind": "deposit", "description": "Salary", "startAge": 35.0, "endAge": 65.0,
         "amount": 90000.0, "accountId": 0, "applyInflation": 1, "taxDeposit": 1},
        {"kind": "withdrawal", "description": "Living", "startAge": 35.0, "endAge": 90.0,
         "amount": 30000.0, "accountId": 0, "accountChosen": 438, "applyInflation": 1},
        # A car loan into the asset account, sold before its term; one started years before
        # the plan, so that its early months are replayed; one into equity, one into savings.
        loan(1, 36.0, 41.0, 32000.0, 5000.0, 6.9, 5, 2, sell=39.0),
        loan(2, 30.0, 45.0, 18000.0, 0.0, 7.5, 10, 2),
        loan(3, 38.5, 50.0, 25000.0, 2500.0, 8.25, 7, 3, sell=44.0),
        loan(4, 40.0, 43.0, 15000.0, 0.0, 5.0, 6, 0),
        loan(5, 42.0, 60.0, 40000.0, 4000.0, 9.0, 12, 4),
        loan(6, 45.0, 55.0, 12000.0, 1000.0, 4.5, 4, 5, sell=52.0),
        # Mortgages: extra payments from the plan's start (one started before it), from their
        # own start, none; one paid off at its payoff age, one sold, one whose term ends first.
        mortgage(1, 31.0, 61.0, 420000.0, 6.25, 30, 250.0, 2),
        mortgage(2, 37.0, 58.0, 300000.0, 5.5, 20, 400.0, 3, sell=50.0),
        mortgage(3, 40.0, 75.0, 250000.0, 4.75, 15, 0.0, 0, toEquity=1),
        mortgage(4, 50.0, 64.0, 500000.0, 7.0, 30, 0.0, 2, sell=70.0),
        mortgage(5, 33.0, 80.0, 150000.0, 3.9, 25, 150.0, 2, toEquity=1),
        card(1, 35.0, 45.0, 9000.0, 21.9, 300.0, 150.0),
        card(2, 36.0, 38.0, 4000.0, 27.0, 200.0, 0.0),
        card(3, 33.0, 50.0, 1500.0, 18.0, 100.0, 40.0),
    ]
    return {
        "initialValues": {"startAge": 35.0, "endAge": 90.0, "birthMonth": 3, "birthDay": 20,
                          "useBirthday": 1, "inflationRate": 2.5, "taxRate": 24.0},
        "accounts": accounts,
        "accountTable": {"nextAccountId": 6},
        "monteCarlo": {"mcTrials": 200, "mcMinInflation": 1.0, "mcMaxInflation": 4.0,
                       "mcGoalAmount": 500000.0, "mcRateType": 0},
        "events": events,
    }


for name, scenario in (("LARGEST.json", largest()), ("DEBTS.json", debts())):
    with open(name, "w") as out:
        json.dump(scenario, out, indent=1)
        out.write("\n")
