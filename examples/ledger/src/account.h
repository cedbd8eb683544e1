// Accounts of the ledger.
#pragma once
#include "money.h"

using Name = const char*;

class Account {
 public:
  Account(int id, Name owner);
  virtual ~Account();
  int id() const { return m_id; }
  Name owner() const { return m_owner; }
  long balance() const { return m_balance; }
  void deposit(Money amount);
  virtual bool withdraw(Money amount) = 0;
  virtual long monthlyFee() const;

 protected:
  long m_balance;

 private:
  int m_id;
  Name m_owner;
};

class Savings : public Account {
 public:
  Savings(int id, Name owner, double rate);
  bool withdraw(Money amount) override;
  void addInterest();

 private:
  double m_rate;
};

class Checking : public Account {
 public:
  Checking(int id, Name owner, long overdraft);
  bool withdraw(Money amount) override;
  long monthlyFee() const override;

 private:
  long m_overdraft;
};

// The bank's charges and limits, in cents.
extern long g_monthlyFee;
extern long g_overdraftLimit;
extern long g_centralRate;  // kept by the host system, outside the ledger
long riskMargin();
