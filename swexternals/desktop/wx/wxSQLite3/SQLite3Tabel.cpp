#include "swexternals/desktop/wx/wxSQLite3/SQLite3Tabel.h"

SQLite3Tabel::SQLite3Tabel(const SQLite3Basis&, const wxString&) {}

SQLite3Tabel::~SQLite3Tabel() = default;
