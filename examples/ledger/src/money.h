// Amounts of money in cents.
#pragma once

class Money {
 public:
  explicit Money(long cents) : m_cents(cents) {}
  long cents() const { return m_cents; }
  Money plus(Money other) const { return Money(m_cents + other.m_cents); }

 private:
  Money();
  long m_cents;
};

inline long clampCents(long cents) { return cents < 0 ? 0 : cents; }
