#include "transaction.h"

Transaction::Transaction(Account* from, Account* to, Money amount)
    : m_from(from), m_to(to), m_amount(amount) {}

bool Transaction::apply() {
  if (!m_from->withdraw(m_amount)) return false;
  m_to->deposit(m_amount);
  return true;
}
