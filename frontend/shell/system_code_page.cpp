#include "shell.h"

namespace corelim {

LeadByteRule SystemLeadByteRule() {
    std::bitset<256> lead;
    for (unsigned byte = 0; byte < 256; ++byte) {
        lead[byte] = IsDBCSLeadByteEx(CP_ACP, static_cast<BYTE>(byte)) != FALSE;
    }
    return LeadByteRule(lead);
}

unsigned SystemCodePage() { return GetACP(); }

}  // namespace corelim
