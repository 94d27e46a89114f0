#pragma once
// The recogniser written the straightforward way: lower-case the whole text on every call,
// search it from the start, cut out of a string. Quadratic over a long text, and therefore
// only the oracle that URLScanner must agree with.
#include <string>

#include "brantlow/core/url_recognizer.h"

namespace brantlow::testing {

RecognizedURL StraightforwardRecognizeURL(std::string& text, bool fuzzy, bool description,
                                          const RecognizerSettings& settings);

}  // namespace brantlow::testing
