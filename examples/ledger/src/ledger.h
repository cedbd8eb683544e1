// The ledger: accounts and the transfers between them.
#pragma once
#include "registry.h"
#include "transaction.h"

class Ledger {
 public:
  Ledger();
  ~Ledger();
  bool open(Account* account);
  bool transfer(int from, int to, long cents);
  Account* find(int id) const;
  long total() const;
  int accounts() const { return m_count; }

 private:
  Account** m_accounts;
  int m_count;
  Registry<Transaction> m_log;
};

// Limits of transfers and the opening bonus, in cents.
extern long g_transferLimit;
extern long g_transferLimitPerDay;
extern long g_bonusCents;
