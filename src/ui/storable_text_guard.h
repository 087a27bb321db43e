#pragma once
// Text is stored as Windows-1252, one byte a character. A character outside it is refused
// where the user enters it (typing, pasting, an input method), not replaced by "?" on its
// way to the disk. One guard serves the text views and the header boxes; the window shows
// a note whenever it refuses.

#include <QValidator>

namespace orvane {

// The status bar's note when a character was refused.
inline constexpr char NotStorableNote[] =
    "Not typed: only characters of Windows-1252 can be stored.";

class StorableTextGuard final : public QValidator {
    Q_OBJECT
  public:
    using QValidator::QValidator;

    // True when every character of `text` can be stored; otherwise emits Refused.
    bool Admits(const QString& text) const;

    // For the header boxes: an input holding a character that cannot be stored is Invalid,
    // so the box keeps its text.
    State validate(QString& input, int& position) const override;

  signals:
    void Refused() const;
};

} // namespace orvane
