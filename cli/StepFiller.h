#pragma once
// Fills the command line's direct table from the window's own conversions: each character is converted
// alone by the step-by-step path, and checked through the system's converters for a form in the target
// code page. Which byte pairs are one character is the source code page decoder's answer.

#include "cli/DirectTable.h"

#include <windows.h>

class TStepFiller : public TUnitFiller {
public:
    explicit TStepFiller(int mode);

    bool IsLead(unsigned char b) override;
    TUnitResult Single(unsigned char b) override;
    TUnitResult Pair(unsigned char lead, unsigned char trail) override;

private:
    TUnitResult Convert(const std::string& unit) const;
    int Units(const std::string& bytes) const;

    int Mode;
    UINT SourceCodePage;
};
