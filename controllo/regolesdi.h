#pragma once

#include "controllo/sdiproblem.h"

#include <libxml/tree.h>

// The exchange system's checks of a FatturaPA file's content that the
// schema cannot express, each reported with the SdI's error code. They read
// what is there and pass over what is missing or unreadable (the schema
// check reports that).
namespace RegoleSdi {
SdiProblems check(xmlDocPtr document);
}
