#include "app/screens.h"

#include "app/frmOne.h"
#include "calculators/frmCodes.h"
#include "classwork/frmClass.h"
#include "classwork/frmClassView.h"
#include "classwork/frmSignIn.h"
#include "calculators/frmFormulas.h"
#include "calculators/frmFreq.h"
#include "calculators/frmMarkings.h"
#include "diagnosis/frmDead.h"
#include "diagnosis/frmPicture.h"
#include "diagnosis/frmProblems.h"
#include "diagnosis/frmRaster.h"
#include "diagnosis/frmSound.h"
#include "diagrams/frmBTube.h"
#include "diagrams/frmColor.h"
#include "diagrams/frmConverg.h"
#include "diagrams/frmCtube.h"
#include "diagrams/frmDegauss.h"
#include "diagrams/frmDiag.h"
#include "diagrams/frmFront.h"
#include "diagrams/frmHelp.h"
#include "diagrams/frmLVPower.h"
#include "diagrams/frmNotes.h"
#include "diagrams/frmPSLin.h"
#include "diagrams/frmPSSw.h"
#include "diagrams/frmScan.h"
#include "diagrams/frmSync.h"
#include "diagrams/frmUHF.h"
#include "diagrams/frmVHF.h"
#include "trainer/screens/frmProgress.h"
#include "trainer/screens/frmTrainer.h"

namespace {
template <class T> fw::Screen& accessor()
{
    return T::get();
}

const ScreenAccessor kScreens[] = {
    // the main menu
    &accessor<frmOne>,
    // the calculators
    &accessor<frmCodes>,
    &accessor<frmFormulas>,
    &accessor<frmFreq>,
    &accessor<frmMarkings>,
    // the symptom screens
    &accessor<frmDead>,
    &accessor<frmPicture>,
    &accessor<frmProblems>,
    &accessor<frmRaster>,
    &accessor<frmSound>,
    // the diagrams and their pages
    &accessor<frmBTube>,
    &accessor<frmColor>,
    &accessor<frmConverg>,
    &accessor<frmCtube>,
    &accessor<frmDegauss>,
    &accessor<frmDiag>,
    &accessor<frmFront>,
    &accessor<frmHelp>,
    &accessor<frmLVPower>,
    &accessor<frmNotes>,
    &accessor<frmPSLin>,
    &accessor<frmPSSw>,
    &accessor<frmScan>,
    &accessor<frmSync>,
    &accessor<frmUHF>,
    &accessor<frmVHF>,
    // the fault-finding trainer
    &accessor<frmTrainer>,
    &accessor<frmProgress>,
    // a class on the class server
    &accessor<frmSignIn>,
    &accessor<frmClass>,
    &accessor<frmClassView>,
};
} // namespace

std::span<const ScreenAccessor> screenAccessors()
{
    return kScreens;
}

std::vector<fw::Screen*> nameEveryScreen()
{
    std::vector<fw::Screen*> screens;
    for (ScreenAccessor name : kScreens)
        screens.push_back(&name());
    return screens;
}
