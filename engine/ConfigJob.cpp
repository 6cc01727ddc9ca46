#include "engine/ConfigJob.h"

#include "engine/PlanLogic.h"
#include "framework/App.h"
#include "framework/CodePage.h"

#include <memory>

CConfigJob::CConfigJob() = default;

CConfigJob::~CConfigJob() = default;

void CConfigJob::Log(std::string strText, int nSeverity)
{
    auto pLine = std::make_unique<std::string>(std::move(strText));
    HWND hMain = AfxGetMainWndHandle();
    if (hMain == nullptr)
        return;
    // The severity travels as a signed value so that the receiver reads back
    // exactly what was sent, negative values included. Once posted, the copy
    // belongs to the receiver, which deletes it.
    // NOLINTBEGIN(clang-analyzer-cplusplus.NewDeleteLeaks): ownership passes through the queue
    if (PostMessageA(hMain, WM_LOGMESSAGE, static_cast<WPARAM>(static_cast<INT_PTR>(nSeverity)),
                     reinterpret_cast<LPARAM>(pLine.get())))
        static_cast<void>(pLine.release());
}
// NOLINTEND(clang-analyzer-cplusplus.NewDeleteLeaks)

std::string CConfigJob::SubstituteIdentity(const std::string& strText) const
{
    return SubstituteIdentityTokens(strText, m_strFullName, m_strShortName, m_strIPAddress, ActiveLeadBytes());
}
