#pragma once

#include "runtime/screen.h"

#include <cstdint>

// The low-voltage power supply and deflection diagram. It marks the problem areas the symptom screens
// point at, opens the power supply and sync separator pages from its light cyan boxes, and returns to the
// screen that led here.
class frmLVPower : public fw::Form<frmLVPower>
{
public:
    frmLVPower();

    FW_CONTROL(CommandButton, cmdQuit)
    FW_CONTROL(CommandButton, cmdReturn)
    FW_CONTROL(TextArea, Text2) // "Sync seperator"
    FW_CONTROL(Label, Label13)  // "Switching"
    FW_CONTROL(Label, Label12)  // "Linear"
    FW_CONTROL(Label, Label4)   // "Scan derived Power Supply"

    // Which screen led here: chooses where Return goes.
    enum Origin : std::int16_t { kNone = 0, kFromDead = 1, kFromPicture = 3, kFromRaster = 4 };
    std::int16_t origin() const { return m_origin; }
    std::int16_t pictureCode() const { return m_pictureCode; }

    // The design table, for a view that draws this diagram elsewhere.
    static fw::Design table();

protected:
    fw::Design design() const override;
    bool isDrawing() const override { return true; }
    QColor backColor() const override;
    void wire() override;
    void Form_Load() override;

private:
    void fitDrawing();
    void highlightAll(const QStringList& names);

    void cmdReturn_Click();
    void cmdQuit_Click();
    void Label12_Click();
    void Label13_Click();
    void Label4_Click();
    void Text2_Click();

    std::int16_t m_origin = kNone;
    std::int16_t m_pictureCode = 0;
};
