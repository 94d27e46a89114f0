#pragma once
// Text and path helpers of the installer. Paths are Windows paths ("C:\Folder\file.ext")
// in every build; the file layer turns them into the host's form at the last moment.
#include <string>
#include <string_view>

namespace install {

std::string Trim(std::string_view text);
// ASCII and Windows-1252 letters compare without case, as the system's comparison does.
char ToUpperAnsi(char c);
std::string UpperCaseAnsi(std::string_view text);
bool SameText(std::string_view a, std::string_view b);

// A backslash after a non-empty text that does not end in one; an empty text stays empty.
std::string AddBackslash(std::string_view path);
// One trailing backslash removed.
std::string StripBackslash(std::string_view path);
// The n-th item (from 1) of a list separated by `separator`; empty when there are fewer
// items, and the rest of the text when the n-th item is the last.
std::string NthField(std::string_view text, int n, char separator);

// Path pieces. "\", "/" and the drive colon all end a folder part.
std::string ExtractFileName(std::string_view path);
std::string ExtractFilePath(std::string_view path);  // with its trailing separator
std::string ExtractFileDir(std::string_view path);   // without it
std::string ExtractFileExt(std::string_view path);   // with the dot, empty when none
std::string ChangeFileExt(std::string_view path, std::string_view extension);

// The text before the first ";" of a list line (the whole line when there is none).
std::string BeforeSemicolon(std::string_view line);

// Converts a decimal integer the way the framework's StrToInt does (optional sign, digits,
// surrounding blanks refused); false when the text is not a number that fits in 32 bits.
bool TryParseInt(std::string_view text, int& value);

}  // namespace install
