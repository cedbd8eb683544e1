#include "report.h"

#include <cstdio>

template <>
int Registry<Transaction>::size() const { return m_count < 64 ? m_count : 64; }

Report::Report() : m_ledger(nullptr), m_lines(0) {}

Report::Report(Ledger& ledger) : m_ledger(&ledger), m_lines(0) {}

void Report::line(Account& account) const {
  std::printf("%4d %-20s %10ld\n", account.id(), account.owner(), clampCents(account.balance()));
  ++m_lines;
}

void Report::print() const {
  for (int id = 1; id <= m_ledger->accounts(); ++id)
    if (Account* account = m_ledger->find(id)) line(*account);
  std::printf("total %ld, limits %ld/%ld\n", m_ledger->total(), g_transferLimit, g_transferLimitPerDay);
}
