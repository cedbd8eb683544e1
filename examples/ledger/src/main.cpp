#include "report.h"

int main() {
  Ledger ledger;
  ledger.open(new Savings(1, "Ada", 0.02));
  ledger.open(new Checking(2, "Brian", 50000));
  ledger.find(1)->deposit(Money(120000 + g_bonusCents));
  ledger.transfer(1, 2, 30000);
  Report report(ledger);
  report.print();
  return report.lines() > 0 ? 0 : 1;
}
