// The value rules of the numeric spin field (day, year, general periods):
// how its text reads as a number (the whole-text conversion of IntegerText.h,
// the minimum when the text is not an integer), how a number written into it is limited,
// what leaving it corrects, and which typed characters it takes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace ostrane {

class TSpinRules {
 public:
  TSpinRules(std::int32_t min, std::int32_t max) : FMin(min), FMax(max) {}

  std::int32_t Min() const { return FMin; }
  std::int32_t Max() const { return FMax; }

  // The field's value: the integer of its text, not limited to the range,
  // or the minimum when the text is not an integer.
  std::int32_t ValueOfText(const std::string& text) const;

  // Whether the text reads as an integer, so that the value is its own and
  // not the minimum.
  bool IsWholeNumber(const std::string& text) const;

  // A value limited to min..max.
  std::int32_t Limit(std::int64_t value) const;

  // The text a written value leaves in the field.
  std::string TextOfValue(std::int64_t value) const;

  // The value leaving the field writes back, or nothing when the text is
  // left alone: only a value outside the range is corrected.  A text that
  // is not an integer reads as the minimum and so stays as it is.
  std::optional<std::int32_t> CorrectionOnLeave(const std::string& text) const;

 private:
  std::int32_t FMin;
  std::int32_t FMax;
};

// What the window tells of a field whose text is not a whole number and so
// reads as `used` (its minimum): the field's tool tip, "Not a whole number:
// 1 is used", and the note in the status line after a listing, "Year: not a
// whole number, -4712 used", naming the field by `field`.
std::string NotWholeNumberTip(std::int32_t used);
std::string NotWholeNumberNote(const std::string& field, std::int32_t used);

// Whether the field takes the text of a key press: digits, "+", "-", the
// decimal separator, and control characters other than Enter (carriage
// return or line feed).  An empty text (cursor keys and the like) is taken.
bool AcceptsTypedText(const std::u32string& typed, const std::u32string& decimalSeparator);

}  // namespace ostrane
