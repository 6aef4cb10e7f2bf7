#pragma once

#include "diagrams/frmLVPower.h"
#include "runtime/placement.h"
#include "runtime/screen.h"

// A reference page of the low-voltage diagram: one picture above a Return button that brings the diagram
// back. Each page gives its caption, size and picture; the handlers are the same for all four.
template <class T> class LVPowerPage : public fw::Form<T>
{
public:
    using fw::Form<T>::Form;

    fw::PictureBox* Picture1() { return this->template control<fw::PictureBox>(QStringLiteral("Picture1")); }
    fw::CommandButton* cmdReturn()
    {
        return this->template control<fw::CommandButton>(QStringLiteral("cmdReturn"));
    }

protected:
    void wire() override
    {
        QObject::connect(cmdReturn(), &fw::CommandButton::Click, this, &LVPowerPage::cmdReturn_Click);
    }
    void Form_Load() override { place(*this); }

private:
    // The diagram is created anew and restores its highlights from the flags.
    void cmdReturn_Click()
    {
        frmLVPower::get().Show();
        this->Unload();
    }
};
