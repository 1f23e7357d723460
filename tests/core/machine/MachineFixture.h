// A small element catalog for machine-model tests: blocks with every docking case,
// elements with simple formulas whose results are easy to predict.
#pragma once

#include "formula/ProgramCache.h"
#include "machine/Block.h"
#include "machine/CalcCarryValue.h"
#include "machine/ChoiceFactorModel.h"
#include "machine/Factor.h"
#include "machine/FactorImage.h"
#include "machine/MachineServices.h"
#include "base/Catalog.h"
#include "base/ConfigFile.h"
#include "base/ErrorMessage.h"
#include "support/TestSupport.h"
#include "units/Measure.h"
#include "units/PhysicalConstant.h"

#include <memory>

namespace kinemo::test {

// Blocks: 1 rotary in/out, 2 rotary in / linear out (converter), 3 linear in/out,
// 4 docking in 5 / out 5, 5 docking out 3, 6 docking in 7 / out 0.
// Elements: 10 motor (formula of the head), 20 gear (block 1), 21 brake hub (block 1,
// behavior), 30 screw (block 2), 40 table (block 3, accepts external force),
// 41 pusher (block 3, accepts external force), 42 odd (type 2: never listed),
// 50 block-4 part, 60 block-5 part, 70 block-6 part, 43 broken (block 3, bad formula).
extern const char* const kMachineCatalogSql;

class MachineFixture {
public:
    explicit MachineFixture(int maxFactorCount = 10);

    TempDir dir;
    TRecordingDialogs dialogs;
    std::unique_ptr<TCatalog> catalog;
    std::unique_ptr<TCatalogQuery> query;
    std::unique_ptr<TMeasureManager> measures;
    std::unique_ptr<TPhysicalConstant> constants;
    TInputDataTexts texts;
    TCalcTrace trace;
    TFilePictureLoader loader;
    std::unique_ptr<TFactorImage> images;
    TMachineServices services;
    TProgramCache programs;
    TChainResults chainResults;
    std::unique_ptr<TBlockManager> blocks;
    std::unique_ptr<TErrorMessage> errors;
    std::unique_ptr<TCalcCarryValue> chain;
    std::unique_ptr<TChoiceFactorModel> model;

    TFactor& Catalog(int id) { return *blocks->FindFactorByID(id); }
    // Adds a clone of catalog element id after the current column.
    TFactor& Add(int id);
};

}  // namespace kinemo::test
