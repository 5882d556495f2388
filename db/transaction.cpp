#include "transaction.h"

#include "connection.h"

Transaction::Transaction(Connection &connection) : m_connection(connection)
{
    m_connection.beginTransaction();
}

Transaction::~Transaction()
{
    if (!m_done)
        m_connection.rollback();
}

void Transaction::commit()
{
    m_done = true;
    m_connection.commit();
}
