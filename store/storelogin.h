#pragma once

class TDiz;
struct IpIni;

// Connects the data module to the invoice store named by ip.ini and opens
// its tables. Run again with the same server and database it leaves a live
// connection and the open tables as they are, and opens a dead connection
// again (the tables then re-read their rows); with others it closes
// everything first. Throws AppError with the data layer's message and stops
// there.
void connectStore(TDiz &diz, const IpIni &ini);
