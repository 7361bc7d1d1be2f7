#pragma once

#include <QString>

// A recorder waits for a disc that can be used.
struct DiscWait {
    QString device;      // "/dev/sr0", "stdio:/path/disc.img"
    QString displayName; // the recorder's vendor and product
    QString reason;      // "Please insert a blank disc."
    // While the destination is checked, before anything is made: the wait
    // may be ignored (the burn checks the disc again).
    bool checking = false;
    // What the waiting dialog shows.
    QString requiredType; // "DVD-R/RW,DVD+R/RW"
    QString discType;     // of the disc in the recorder, "Empty" without one
    QString neededSize;   // "4.20 GB"
    QString discFree;     // "N/A" without a disc
};

// The questions a run asks the person who started it. The window answers
// them with message boxes and the waiting-for-disc dialog; the command line
// answers them from its options. Asked on the thread of the run's owner,
// which waits for the answer.
class RunQuestions
{
public:
    enum class Confirmation {
        ClearFolder,   // the DVD folder exists and will be replaced
        OverwriteFile, // the image file exists and will be replaced
        EraseDisc,     // the disc in the recorder holds data
        OversizedImage // the ISO image will be larger than any DVD
    };
    enum class DiscWaitAnswer { Inserted, Cancelled, Ignored };

    virtual ~RunQuestions() = default;
    // True: go on.
    virtual bool confirm(Confirmation what, const QString &text) = 0;
    // A burn failed: true to try again.
    virtual bool retryFailedBurn(const QString &text) = 0;
    // Until a suitable disc is inserted (Inserted), or the person gives up.
    virtual DiscWaitAnswer waitForDisc(const DiscWait &wait) = 0;
};
