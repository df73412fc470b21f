#include "imports/UsaSegments.h"

#include "platform/ProgressDialog.h"

#include <algorithm>
#include <array>

namespace tq {

namespace {
constexpr std::string_view kAirports =
    "ABR ABI CAK ALB ABQ ESF ABE APN AMA ANC ATW AVL ASE ATL AIY AGS AUS BFL BWI BGR BRW BTR MBS BPT BED BJI "
    "BEH "
    "BET ABE BIL BIX BGM BHM BIS BMI BLF BOI BOS WBU BWG BZN BRD TRI BRO BUF IFP BUR BTV BTM CAK CID CMI CHS "
    "CRW CLT "
    "CHA CYS CHI MDW ORD CVG CKB CLE CVN CLL COS COU CAE CSG GTR CMH CCR CNK CDV CRP DFW DAY DAB DEN DSM DTT "
    "DTW DUJ "
    "DBQ DLH RDU DRO RDU DUT ABE EAU ELD IPL ELP ELM ERI ESC EUG EVV FAI FAR FYV FLG FNT FLO FOD FLL RSW FSM "
    "VPS FWA "
    "DFW FKL FAT GNV GCK GYY GCC GGW GCN GFK GJT GRR GPZ GTF GRB GSO GLH GSP GPT GUC SUN HNS PHF HNM PAK CMX "
    "HRL MDT "
    "HRO HDN BDL HIB GSO ITO HHH HBB HOM HNL MKK HOT HOU HOU IAH HSV HON IDA IND INL IMT IWD ISP JAN MKL JAC "
    "JAX OAJ "
    "JVL TRI JLN JNU AZO MCI LIH EEN KTN EYW ILE TRI IRK LMT TYS ADQ KOA LSE LAF LFT LCH LNY LNS LAN LAR LRD "
    "LAS PIB "
    "LAW LEX LNK LIT LGB GGG LAX SDF LBB MCN MSN MHT MHK MKT MQT MCW OGG MFE MFR MLB MEM MEI MIA MBS MAF MKE "
    "MSP MOT "
    "MOB MLI MLU MRY MGM MWH MSL MKG MYR ACK APF BNA HVN MSY NYC JFK LGA EWR SWF PHF OME ORF OAK MAF OKC OMA "
    "ONT SNA "
    "MCO OSH OWB OXR PAH PSP PFN PLN PNS PIA PHL PHX PIR PIP PIT PLB PSE BPT PWM PDX PVD UIN RDU RDG RNO RHI "
    "RIC ROA "
    "RST ROC RFD ROW SMF MBS STC SGU STL SLC SJT SAT SAN SFO SJC SJU SBP SNA SBA SAF SMX SRQ CIU SAV SEA SHV "
    "SUX FSD "
    "SIT SBN GSP GEG SPI SGF SCE SBS CWA SWF SUN SYR TLH TPA HUF TXK TVF TOL FOE TVC TUS TUL TUP TCL TWF TYR "
    "CMI UCA "
    "EGE VDZ VLD VPS ACT ALW WAS IAD DCA ALO ATY CWA PBI HPN ICT SPS AVP PHF IPT ISN ORH YKM YAK YUM YNG";

constexpr std::size_t kAirportCount = (kAirports.size() + 1) / 4;

// The list sorted, duplicates kept: a pairing is marked when any of its codes matches, so the
// order of the list decides nothing and one pass over the text finds every candidate.
const std::array<std::string_view, kAirportCount>& SortedAirports() {
    static const auto sorted = [] {
        std::array<std::string_view, kAirportCount> codes{};
        for (std::size_t i = 0; i < kAirportCount; ++i) codes[i] = kAirports.substr(4 * i, 3);
        std::sort(codes.begin(), codes.end());
        return codes;
    }();
    return sorted;
}
} // namespace

std::string_view UsaAirportList() {
    return kAirports;
}

bool HasUsaSegment(std::string_view text) {
    const auto& codes = SortedAirports();
    for (std::size_t i = text.find('-', 3); i != std::string_view::npos; i = text.find('-', i + 1))
        if (std::binary_search(codes.begin(), codes.end(), text.substr(i - 3, 3))) return true;
    return false;
}

void MarkUsaSegments(Schedule& s, UserInterface& ui) {
    const int last = std::min(s.LastPairingIndex, kPairingSlots - 1);
    for (int i = 0; i <= last; ++i) s.Pairings[static_cast<std::size_t>(i)].UsaSegments = 0;
    TProgressDialog progress(ui, {.caption = "Scanning for USA Segments", .maximum = std::max(last + 1, 1)});
    for (int i = 0; i <= last; ++i) {
        TPair& p = s.Pairings[static_cast<std::size_t>(i)];
        if (HasUsaSegment(p.PairingText)) {
            p.PairingText += "   USA SEGMENT ";
            p.UsaSegments = 1;
        }
        if ((i + 1) % 100 == 0) progress.Update(i + 1);
    }
    progress.Update(last + 1);
}

} // namespace tq
