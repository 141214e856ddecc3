#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace velmora::cp1252 {

// Every data file is Windows-1252. Tables keep the bytes; the screens convert at their edge
// through these two functions and nowhere else.

// True for the five byte values that Windows-1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D).
bool IsUndefined(unsigned char byte);

// Decodes bytes to text; an undefined byte becomes U+FFFD.
QString Decode(std::string_view bytes);

// Encodes text to bytes; a character Windows-1252 cannot hold becomes `fallback`.
std::string Encode(const QString& text, char fallback = '?');

// True when every character of `text` exists in Windows-1252.
bool CanEncode(const QString& text);

// The bytes in capitals, byte for byte: accented letters too ("á" becomes "Á"); a letter whose
// capital Windows-1252 lacks, or that has no single capital ("ß"), stays as it is.
std::string Upper(std::string_view bytes);

}  // namespace velmora::cp1252
