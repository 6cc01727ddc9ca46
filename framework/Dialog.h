// A dialog built on a template in the program's resources. One static dialog
// procedure finds the object and hands it every message; the object's message
// map picks the handler.
#pragma once

#include "framework/MessageMap.h"
#include "framework/Wnd.h"

class CDataExchange;

class CDialog : public CWnd
{
public:
    CDialog(UINT nIDTemplate, CWnd* pParent);
    ~CDialog() override;

    // Runs the dialog until it ends; returns the result given to EndDialog,
    // or -1 when the dialog could not be created.
    INT_PTR DoModal();
    // Creates the dialog without a loop of its own, for a caller that runs
    // the messages itself. FALSE when it cannot be created.
    BOOL Create();
    void EndDialog(INT_PTR nResult);
    BOOL DestroyWindow();

    // Binds the controls (bSaveAndValidate FALSE) or collects them (TRUE).
    BOOL UpdateData(BOOL bSaveAndValidate);

protected:
    virtual BOOL OnInitDialog();
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual void OnOK();
    virtual void OnCancel();
    virtual CMessageMap GetMessageMap() const { return CMessageMap(); }

    // A handler that calls this lets the dialog manager's default processing
    // follow it, as for a message without a handler.
    void SetMsgHandled(bool bHandled) { m_bMsgHandled = bHandled; }

private:
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam);
    bool Dispatch(UINT nMessage, WPARAM wParam, LPARAM lParam, LRESULT& lResult);
    bool CallHandler(const CMessageMap& map, UINT nMessage, WPARAM wParam, LPARAM lParam, LRESULT& lResult);

    UINT m_nIDTemplate;
    CWnd* m_pParent;
    bool m_bMsgHandled = true;
};

// Carries the direction of a data exchange to the bindings.
class CDataExchange
{
public:
    CDataExchange(CDialog* pDlg, BOOL bSaveAndValidate) : m_pDlgWnd(pDlg), m_bSaveAndValidate(bSaveAndValidate) {}

    CDialog* m_pDlgWnd;
    BOOL m_bSaveAndValidate;
};

// Binds the control object to the dialog's control nID.
void DDX_Control(CDataExchange* pDX, int nID, CWnd& control);
