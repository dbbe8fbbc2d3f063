#pragma once
// Who issues the program and what it is called: read by the main window, the
// about box and the page header of the reports.

#include <QString>

// The issuing authority's full name and its acronym.
extern const QString AuthorityName;
extern const QString AuthorityAcronym;
// The acronym, as the about box asks for it.
QString SystemAuthorityAcronym();
// The authority's name as the main window draws it: the full name cut before
// the part that names the state, keeping the blank before it.
QString AuthorityDisplayName();

// The product's long name.
extern const QString ProductLongName;
// System code and title printed in the report page header.
extern const QString SystemCode;
extern const QString SystemTitle;
// The user label of the report page header; the program has no login, so it
// stays empty.
extern QString UserName;
