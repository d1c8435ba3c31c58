#pragma once
// Paths as the file system spells them. Every path the program hands to the store (which opens
// files by their bytes) and every file name the store hands back passes through these two, never
// through the converter for stored texts: a folder named "Español" or "Юлия" is found as it is.

#include <QString>

#include <string>

std::string LocalPath(const QString& path);
QString PathText(const std::string& path);
