// Notices: which errors count as arithmetic faults, the wording of the
// numbered notice, and the host-installed handler.

#include <vector>

#include <gtest/gtest.h>

#include "eval/evaluator.h"
#include "tests/eval/notation_fixture.h"

namespace vorlenta {
namespace {

QString s(const char *text)
{
    return QString::fromUtf8(text);
}

TEST(NoticeKinds, DivisionDomainAndOverflowAreArithmeticFaultsWithTheInformationIcon)
{
    for (const std::int32_t number : {5, 6, 11}) {
        const Notice notice = notice_for(number, runtime_message(number));
        EXPECT_EQ(notice.kind, NoticeKind::ArithmeticFault) << number;
        EXPECT_EQ(notice.icon, NoticeIcon::Information) << number;
        EXPECT_EQ(notice.number, number);
    }
}

TEST(NoticeKinds, EachArithmeticFaultSaysWhatWentWrong)
{
    EXPECT_NE(notice_for(5, {}).text, notice_for(6, {}).text);
    EXPECT_NE(notice_for(6, {}).text, notice_for(11, {}).text);
}

TEST(NoticeKinds, OtherErrorsShowNumberAndMessageWithoutIcon)
{
    const Notice stack = notice_for(eval_errors::EmptyStack, s("Pop method invoked on empty stack"));
    EXPECT_EQ(stack.kind, NoticeKind::Error);
    EXPECT_EQ(stack.icon, NoticeIcon::None);
    EXPECT_EQ(stack.text, s("-2147221503, Pop method invoked on empty stack"));
    EXPECT_EQ(notice_for(13, runtime_message(13)).text, s("13, Type mismatch"));
}

// Installs a process-wide handler for one test and puts the previous back.
class ScopedNoticeHandler {
public:
    explicit ScopedNoticeHandler(NoticeHandler handler)
        : m_previous(install_notice_handler(std::move(handler)))
    {
    }
    ~ScopedNoticeHandler() { install_notice_handler(std::move(m_previous)); }

private:
    NoticeHandler m_previous;
};

TEST(NoticeHandlers, TheHostsHandlerReceivesTheNotice)
{
    const testing::ScopedNotation notation(testing::Notation::Point);
    std::vector<Notice> shown;
    const ScopedNoticeHandler host([&](const Notice &notice) { shown.push_back(notice); });
    CEval eval;
    EXPECT_EQ(eval.Evaluate(s("1/0")), 0.0);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown.front().number, 11);
}

TEST(NoticeHandlers, AnEvaluatorsOwnHandlerTakesPrecedence)
{
    const testing::ScopedNotation notation(testing::Notation::Point);
    std::vector<Notice> host_notices;
    std::vector<Notice> own_notices;
    const ScopedNoticeHandler host([&](const Notice &notice) { host_notices.push_back(notice); });
    CEval eval;
    eval.set_notice_handler([&](const Notice &notice) { own_notices.push_back(notice); });
    eval.Evaluate(s("L0"));
    EXPECT_TRUE(host_notices.empty());
    EXPECT_EQ(own_notices.size(), 1u);
}

TEST(NoticeHandlers, InstallingReturnsTheReplacedHandler)
{
    int calls = 0;
    const ScopedNoticeHandler first([&](const Notice &) { ++calls; });
    NoticeHandler previous = install_notice_handler({});
    ASSERT_TRUE(previous);
    previous(notice_for(6, {}));
    EXPECT_EQ(calls, 1);
    install_notice_handler(std::move(previous));
}

} // namespace
} // namespace vorlenta
