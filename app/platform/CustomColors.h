#pragma once

// The colour dialog's custom colours, kept in Halvero's own configuration
// file across runs instead of Qt's shared one. Knows nothing of the entries
// the colours are picked for.
class CustomColors {
public:
    // Gives the dialog the colours kept last time.
    static void restore();
    // Keeps the dialog's colours as they are now.
    static void keep();
};
