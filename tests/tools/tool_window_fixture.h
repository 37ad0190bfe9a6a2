// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include <QDialog>
#include <QString>

#include "frm_data.h"
#include "frm_juro.h"
#include "frm_peso.h"
#include "frm_regra.h"
#include "tape_reports_fixture.h"
#include "tool_prompts.h"

namespace tool_window_fixture {

using namespace numerette;
using namespace Qt::StringLiterals;

// The four tool windows, over fake prompts, each with the push button a test presses
// (one whose click shows at most a recorded message).
struct ToolWindow {
    std::unique_ptr<QDialog> window;
    QString button;
};

struct Fixture {
    tape_reports_fixture::NoCalculator reports;
    FakeToolPrompts prompts;

    ToolWindow open(const QString& name)
    {
        if (name == u"dates")
            return {std::make_unique<frmData>(reports, u"dd/mm/yyyy"_s), u"cmdCalcula3"_s};
        if (name == u"interest") {
            auto window = std::make_unique<frmJuro>(reports, u"dd/mm/yyyy"_s);
            window->setPrompts(prompts, prompts);
            return {std::move(window), u"cmdAjuda"_s};
        }
        if (name == u"rule of three") {
            auto window = std::make_unique<frmRegra>(reports.numberLocale(), nullptr);
            window->setPrompts(prompts);
            return {std::move(window), u"cmdExemplo"_s};
        }
        auto window = std::make_unique<frmPeso>(reports);
        window->setPrompts(prompts);
        return {std::move(window), u"cmdHomem"_s};
    }
};

} // namespace tool_window_fixture
