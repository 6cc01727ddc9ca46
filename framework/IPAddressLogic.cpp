#include "framework/IPAddressLogic.h"

bool ParseIPv4(const std::string& strText, std::uint32_t& nAddress)
{
    std::uint32_t nValue = 0;
    size_t pos = 0;
    for (int nField = 0; nField < 4; ++nField)
    {
        if (nField > 0)
        {
            if (pos >= strText.size() || strText[pos] != '.')
                return false;
            ++pos;
        }
        unsigned nNumber = 0;
        size_t nDigits = 0;
        while (pos < strText.size() && strText[pos] >= '0' && strText[pos] <= '9' && nDigits < 4)
        {
            nNumber = nNumber * 10 + static_cast<unsigned>(strText[pos] - '0');
            ++pos;
            ++nDigits;
        }
        if (nDigits == 0 || nDigits > 3 || nNumber > 255)
            return false;
        nValue = (nValue << 8) | nNumber;
    }
    if (pos != strText.size())
        return false;
    nAddress = nValue;
    return true;
}

std::string FormatIPv4(std::uint32_t nAddress)
{
    std::string strText;
    for (int nShift = 24; nShift >= 0; nShift -= 8)
    {
        if (!strText.empty())
            strText += '.';
        strText += std::to_string((nAddress >> nShift) & 0xFF);
    }
    return strText;
}
