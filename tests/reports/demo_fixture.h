#pragma once
// The demo salon's data module, and an output that keeps the pages a report produced
// while letting the test look at its tables as the report saw them.
#include <gtest/gtest.h>

#include <functional>

#include "data/dm.h"
#include "reports/engine/generator.h"
#include "reports/engine/preview.h"
#include "support/data_fixture.h"

namespace reportstest {

class SalonTest : public ::testing::Test {
  protected:
    explicit SalonTest(bool demo = true) : directory_(demo) {}

    reports::ReportOutput keep(std::function<void()> whileShown = {}) {
        return [this, whileShown](const reports::Report& report) {
            if (whileShown) whileShown();
            model = reports::generate(report, options);
            ++shown;
        };
    }

    testsupport::InitialDataDirectory directory_;
    testsupport::RecordingMessages messages;
    data::Tdm dm{directory_.path(), messages};
    reports::GenerateOptions options{.today = {2024, 3, 8}, .now = {9, 30, 0}};
    reports::PageModel model;
    int shown = 0;
};

}  // namespace reportstest
