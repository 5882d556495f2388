#pragma once

#include "controllo/sdiproblem.h"

#include <libxml/tree.h>

// The official FatturaPA schema 1.2.3 (and the W3C signature schema it
// imports), compiled once from the copies built into the program: no file
// and no network is read. Safe to use from several threads at once.
class SchemaFatturaPA
{
public:
    // The process-wide compiled schema; throws AppError if it cannot be
    // compiled (a broken build).
    static const SchemaFatturaPA &instance();

    // Every schema violation of the document, with code 00200.
    SdiProblems validate(xmlDocPtr document) const;

    ~SchemaFatturaPA();
    SchemaFatturaPA(const SchemaFatturaPA &) = delete;
    SchemaFatturaPA &operator=(const SchemaFatturaPA &) = delete;

private:
    SchemaFatturaPA();
    struct _xmlSchema *m_schema = nullptr;
};
