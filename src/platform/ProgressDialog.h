#pragma once
#include "platform/UserInterface.h"

#include <functional>
#include <memory>
#include <string>

namespace tq {

// The modeless progress dialog of the long loads: a text line above a percentage gauge.
// The text format takes the current value and the maximum ("Completed %d of %d"); the gauge
// label format takes the percentage ("%d%%"). In pairing mode the text names the pairing with
// index x instead ("Processing Pairing Z8123"), through the label source, which returns an
// empty text once x is no longer below the last pairing index.
class TProgressDialog {
public:
    using PairingLabelSource = std::function<std::string(int index)>;

    struct Options {
        std::string caption;
        int minimum = 0;
        int maximum = 100;
        std::string textFormat = "Completed %d of %d";
        std::string gaugeFormat = "%d%%";
        bool withCancel = false;
        PairingLabelSource pairingLabel; // set for pairing mode
    };

    TProgressDialog(UserInterface& ui, Options options);

    void Update(int value);
    bool CancelRequested();

    // (x - minimum) * 100.5 / (maximum - minimum), truncated and limited to 0..100.
    static int GaugePercent(int value, int minimum, int maximum);
    std::string TextFor(int value) const;
    std::string GaugeLabelFor(int percent) const;

private:
    Options options_;
    std::unique_ptr<ProgressView> view_;
};

} // namespace tq
