#include "account.h"

inline bool validId(int id) { return id > 0; }

Account::Account(int id, Name owner) : m_balance(0), m_id(validId(id) ? id : 0), m_owner(owner) {}

Account::~Account() {}

void Account::deposit(Money amount) { m_balance += amount.cents(); }

long Account::monthlyFee() const { return 0; }

Savings::Savings(int id, Name owner, double rate) : Account(id, owner), m_rate(rate) {}

bool Savings::withdraw(Money amount) {
  if (amount.cents() > m_balance) return false;
  m_balance -= amount.cents();
  return true;
}

void Savings::addInterest() { m_balance += static_cast<long>(m_balance * m_rate); }

Checking::Checking(int id, Name owner, long overdraft)
    : Account(id, owner), m_overdraft(overdraft) {}

bool Checking::withdraw(Money amount) {
  if (amount.cents() > m_balance + m_overdraft) return false;
  m_balance -= amount.cents() + monthlyFee();
  return true;
}

long Checking::monthlyFee() const { return m_balance < 0 ? 250 : 0; }

// The bank's charges and limits.
static long s_penaltyRate = g_overdraftLimit / 1000;
long g_monthlyFee = 250;
long g_overdraftLimit = 50000;
static long s_interestBasis = g_centralRate;
static Money s_serviceCharge(clampCents(g_monthlyFee));

long riskMargin() { return s_serviceCharge.cents() + g_centralRate * s_penaltyRate / s_interestBasis; }
