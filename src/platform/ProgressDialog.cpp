#include "platform/ProgressDialog.h"

#include "platform/Format.h"

#include <algorithm>

namespace tq {

TProgressDialog::TProgressDialog(UserInterface& ui, Options options)
    : options_(std::move(options)), view_(ui.OpenProgress(options_.caption, options_.withCancel)) {
    Update(0);
}

int TProgressDialog::GaugePercent(int value, int minimum, int maximum) {
    if (maximum <= minimum) return 0; // nothing to measure; never divide by zero
    const double p = (static_cast<double>(value) - minimum) * 100.5 / (static_cast<double>(maximum) - minimum);
    return static_cast<int>(std::clamp(p, 0.0, 100.0));
}

std::string TProgressDialog::TextFor(int value) const {
    if (options_.pairingLabel) {
        const std::string label = options_.pairingLabel(value);
        return label.empty() ? std::string("Processing Pairings") : "Processing Pairing " + label;
    }
    return Format(options_.textFormat, value, options_.maximum);
}

std::string TProgressDialog::GaugeLabelFor(int percent) const { return Format(options_.gaugeFormat, percent); }

void TProgressDialog::Update(int value) {
    if (!view_) return;
    const int percent = GaugePercent(value, options_.minimum, options_.maximum);
    view_->SetText(TextFor(value));
    view_->SetGauge(percent, GaugeLabelFor(percent));
}

bool TProgressDialog::CancelRequested() { return view_ && view_->CancelRequested(); }

} // namespace tq
