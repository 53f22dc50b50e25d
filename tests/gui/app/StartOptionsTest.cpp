// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/StartOptions.h"

#include <QTest>

#include <vector>

namespace gx508 {

class StartOptionsTest : public QObject {
    Q_OBJECT

  private slots:
    void eachFlagOnceInAnyOrder();
};

void StartOptionsTest::eachFlagOnceInAnyOrder() {
    struct Case {
        std::vector<const char*> arguments;
        std::optional<StartOptions> expected;
    };
    const Case cases[] = {
        {{}, StartOptions{false, false}},
        {{"--virtual-mouse"}, StartOptions{true, false}},
        {{"--autostart"}, StartOptions{false, true}},
        {{"--autostart", "--virtual-mouse"}, StartOptions{true, true}},
        {{"--virtual-mouse", "--autostart"}, StartOptions{true, true}},
        {{"--autostart", "--autostart"}, std::nullopt},
        {{"--virtual-mouse", "--virtual-mouse"}, std::nullopt},
        {{"--virtual"}, std::nullopt},
        {{"--autostart", ""}, std::nullopt},
        {{"--autostart=1"}, std::nullopt},
        {{"-h"}, std::nullopt},
    };
    for (const Case& c : cases) {
        const std::optional<StartOptions> options = ParseStartOptions(c.arguments);
        const QByteArray what = QByteArray::number(static_cast<int>(&c - cases));
        QVERIFY2(options.has_value() == c.expected.has_value(), what);
        if (options) {
            QVERIFY2(options->virtualMouse == c.expected->virtualMouse, what);
            QVERIFY2(options->autostart == c.expected->autostart, what);
        }
    }
    QVERIFY(QByteArray(StartOptionsUsage()).contains("--autostart"));
}

}  // namespace gx508

QTEST_MAIN(gx508::StartOptionsTest)
#include "StartOptionsTest.moc"
