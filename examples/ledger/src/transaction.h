// A transfer of money between two accounts.
#pragma once
#include "account.h"

class Transaction {
 public:
  Transaction(Account* from, Account* to, Money amount);
  bool apply();
  Money amount() const { return m_amount; }

 private:
  Account* m_from;
  Account* m_to;
  Money m_amount;
};
