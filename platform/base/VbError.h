#pragma once
// A run-time error as the ledger reports it: a number and a description, shown by the standard error box.
#include <QString>
#include <stdexcept>

namespace vb {

// VB run-time error numbers that the program raises itself.
enum ErrorNumber : long {
    errOverflow = 6,
    errSubscript = 9,
    errTypeMismatch = 13,
    errFileNotFound = 53,
    errPathNotFound = 76,
    errInvalidUseOfNull = 94,
    errInvalidPropertyValue = 380,  // a control property given a value it does not take
    errInvalidPropertyIndex = 381,  // a control's cell, row or column index outside it
    errDatabase = -2147467259,      // the provider's generic failure (0x80004005)
};

class Error : public std::runtime_error {
public:
    Error(long number, const QString& description)
        : std::runtime_error(description.toStdString()), m_number(number), m_description(description) {}

    [[nodiscard]] long number() const { return m_number; }
    [[nodiscard]] const QString& description() const { return m_description; }

private:
    long m_number;
    QString m_description;
};

// The Japanese run-time's own texts for the errors above.
[[noreturn]] void raise(long number);
[[nodiscard]] QString describe(long number);

}  // namespace vb
