#pragma once
// The fixture of the propagation tests: the library up and the toy classes registered.
#include <gtest/gtest.h>

#include "support/tst_History.h"
#include "support/tst_Step.h"
#include "tests/module/propagation/PropagationToy.h"

class tst_PropagationTest : public tst_LibraryTest {
protected:
    void SetUp() override {
        tst_LibraryTest::SetUp();
        for (auto fn : {tst_State::InitializeMetadata, kprC_PropagatingState<tst_State>::InitializeMetadata,
                        tst_Load::InitializeMetadata, tst_LoadContainer::InitializeMetadata})
            cls_MetadataRegistrar::initClassMetadata(fn, 7);
    }
    static omu_ChangeHistory& History() { return Changes(); }
};
