#include "shell.h"

namespace corelim {

LeadByteRule SystemLeadByteRule() {
    // No byte of a UTF-8 sequence for a character beyond ASCII is below
    // 0x80, so no separator can hide in one: every byte stands alone. The
    // system's own answer for code page 65001 is not documented.
    if (GetACP() == CP_UTF8) return LeadByteRule::SingleByte();
    std::bitset<256> lead;
    for (unsigned byte = 0; byte < 256; ++byte) {
        lead[byte] = IsDBCSLeadByteEx(CP_ACP, static_cast<BYTE>(byte)) != FALSE;
    }
    return LeadByteRule(lead);
}

unsigned SystemCodePage() { return GetACP(); }

}  // namespace corelim
