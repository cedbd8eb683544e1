// Statements of the ledger's accounts.
#pragma once
#include "ledger.h"

class Report {
 public:
  Report();
  explicit Report(Ledger& ledger);
  void print() const;
  int lines() const { return m_lines; }

 private:
  void line(Account& account) const;
  Ledger* m_ledger;
  mutable int m_lines;
};
