#include "ledger.h"

inline bool validId(int id) { return id > 0 && id < 10000; }

Ledger::Ledger() : m_accounts(new Account*[16]), m_count(0) {}

Ledger::~Ledger() {
  for (int i = 0; i < m_count; ++i) delete m_accounts[i];
  delete[] m_accounts;
}

bool Ledger::open(Account* account) {
  if (m_count == 16 || find(account->id())) return false;
  m_accounts[m_count++] = account;
  return true;
}

Account* Ledger::find(int id) const {
  if (!validId(id)) return nullptr;
  for (int i = 0; i < m_count; ++i)
    if (m_accounts[i]->id() == id) return m_accounts[i];
  return nullptr;
}

bool Ledger::transfer(int from, int to, long cents) {
  Account* source = find(from);
  Account* target = find(to);
  if (!source || !target || cents > g_transferLimit || cents > g_transferLimitPerDay) return false;
  Transaction* t = new Transaction(source, target, Money(clampCents(cents)));
  return m_log.add(t) && t->apply();
}

long Ledger::total() const {
  long sum = 0;
  for (int i = 0; i < m_count; ++i) sum += m_accounts[i]->balance();
  return sum;
}

// Limits of transfers, worked out at start-up.
long g_transferLimit = g_overdraftLimit * 4;
static Money s_minimumTransfer(g_monthlyFee);
static long dailyLimit();
long g_transferLimitPerDay = dailyLimit();
static Money s_openingBonus(g_bonusCents);
long g_bonusCents = 1000;
static long s_weeklyCap = 700000;

static long dailyLimit() {
  return clampCents(s_weeklyCap / 7 - riskMargin()) + s_minimumTransfer.cents() + s_openingBonus.cents();
}
