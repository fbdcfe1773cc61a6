#pragma once

#include "s/base/Owned.h"
#include "s/str/strbuffer/StrBuffer.h"

namespace s::lang {

// Adapts a text of the language tagged tag to what the system can show, before the pack files
// it. Before Windows Vista, letters its fonts lack become the nearest letter they have:
// Venetian "ƚ" becomes "ł", Romanian comma-below "ș ț Ș Ț" become the cedilla forms
// "ş ţ Ş Ţ". On every system, in each line of an Arabic or Persian text that holds a
// right-to-left letter, every stretch of other characters (a Latin name, a number, punctuation)
// is enclosed in a right-to-left embedding (U+202B ... U+202C), so that a left-to-right control
// shows the line in reading order however it wraps it. Tags compare exactly. Answers the text
// itself when nothing applies.
s::base::Owned<s::str::strbuffer::StrBuffer> textForSystem(
    const s::str::strbuffer::StrBuffer& tag, s::base::Owned<s::str::strbuffer::StrBuffer> text);

}  // namespace s::lang
