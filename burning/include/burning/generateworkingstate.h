#pragma once

#include <QMetaType>

// The steps and end states shown by the generation progress dialog; sent by
// the burn workflow with setDlgStatus.
enum generateWorkingState {
    NoStepChange = 0,
    CreatingTitle = 1,
    CreatingMenu = 2,
    CreatingDVD = 3,
    BurningDisc = 4,
    CheckingDisc = 5,
    ErasingDisc = 6,
    CreatingFolder = 7,
    CreatingISO = 8,
    GenerateSucceeded = 9,
    GenerateEnded = 10
};
Q_DECLARE_METATYPE(generateWorkingState)
