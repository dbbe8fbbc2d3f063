#pragma once
// The version strings of an executable. On this platform the build compiles
// them into the program (the generated ZebVersion.h) in place of a version
// resource, so only the running executable has them: any other file reads as
// a file without version information.

#include <QString>

// One string of the version information of `file`: "CompanyName",
// "FileDescription", "FileVersion", "InternalName", "LegalCopyRight",
// "OriginalFileName", "ProductName" or "ProductVersion" (keys compare without
// regard to case). Empty for an empty file name, a file other than the running
// executable, or an unknown key.
QString ReadVersionString(const QString& file, const QString& key);

// The path of the running executable.
QString RunningExecutable();
