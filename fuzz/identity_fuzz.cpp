// Properties of identity substitution and path-placeholder replacement.
#include "FuzzInput.h"

#include "engine/PlanLogic.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CFuzzInput in(data, size);
    const CLeadBytes lead = in.CodePage();
    const std::string full = in.Piece();
    const std::string shortName = in.Piece();
    const std::string ip = in.Piece();
    const std::string text = in.Rest();

    // Each token standing for itself changes nothing.
    FUZZ_CHECK(SubstituteIdentityTokens(text, TOKEN_FULL_NAME, TOKEN_SHORT_NAME, TOKEN_IP_ADDRESS, lead) == text);

    // A text without "@" has nothing to substitute.
    if (text.find('@') == std::string::npos)
        FUZZ_CHECK(SubstituteIdentityTokens(text, full, shortName, ip, lead) == text);

    return 0;
}
