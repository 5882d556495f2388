#pragma once

class Connection;

// A transaction on a connection for the length of a scope: it is rolled
// back unless commit() was reached, so an error thrown half-way leaves
// nothing of it in the store.
class Transaction
{
public:
    explicit Transaction(Connection &connection); // throws AppError
    ~Transaction();
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;

    void commit(); // throws AppError; the outcome of a commit lost on the way is unknown

private:
    Connection &m_connection;
    bool m_done = false;
};
