#pragma once

#include <burning/burnworkflow.h>

#include <QCoreApplication>
#include <QMetaType>
#include <QString>

// The steps and end states shown by the generation progress dialog.
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

// The progress dialog's step for a stage of the delivery.
inline generateWorkingState workingStateOf(BurnStage stage)
{
    switch (stage) {
    case BurnStage::CreatingFolder:
        return CreatingFolder;
    case BurnStage::CreatingIso:
        return CreatingISO;
    case BurnStage::CheckingDisc:
        return CheckingDisc;
    case BurnStage::ErasingDisc:
        return ErasingDisc;
    case BurnStage::BurningDisc:
    case BurnStage::FinalizingDisc:
        return BurningDisc;
    }
    return NoStepChange;
}

// The text of a stage of the delivery ("Burning disc").
inline QString burnStageText(BurnStage stage)
{
    switch (stage) {
    case BurnStage::CreatingFolder:
        return QCoreApplication::translate("BurnWorkflow", "Creating DVD Folder");
    case BurnStage::CreatingIso:
        return QCoreApplication::translate("BurnWorkflow", "Creating ISO");
    case BurnStage::CheckingDisc:
        return QCoreApplication::translate("BurnWorkflow", "Checking disc");
    case BurnStage::ErasingDisc:
        return QCoreApplication::translate("BurnWorkflow", "Erasing");
    case BurnStage::BurningDisc:
        return QCoreApplication::translate("BurnWorkflow", "Burning disc");
    case BurnStage::FinalizingDisc:
        return QCoreApplication::translate("BurnWorkflow", "Finalizing disc");
    }
    return QString();
}
