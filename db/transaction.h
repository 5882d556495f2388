#pragma once

#include "connection.h"

// A transaction on a connection that is rolled back unless committed, so an
// error anywhere in between leaves the store as it was.
class Transaction
{
public:
    explicit Transaction(Connection &connection) : m_connection(connection)
    {
        m_connection.execute(QStringLiteral("START TRANSACTION"));
    }
    ~Transaction()
    {
        if (!m_done) {
            try {
                m_connection.execute(QStringLiteral("ROLLBACK"));
            } catch (...) {
                // A lost connection rolls back by itself.
            }
        }
    }
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;

    void commit()
    {
        m_connection.execute(QStringLiteral("COMMIT"));
        m_done = true;
    }

private:
    Connection &m_connection;
    bool m_done = false;
};
