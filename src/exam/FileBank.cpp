#include "exam/FileBank.h"

#include "exam/ExamState.h"
#include "exam/RandomGenerator.h"

#include <algorithm>

std::vector<std::size_t> chooseQuestions(const std::vector<BankQuestion> &bank, int count,
    const std::vector<Quota> &quotas, RandomGenerator &random)
{
    // Groups of candidates, each with how many it gives: the whole bank, or one per quota.
    auto inBooklet = [&](const QString *booklet) {
        std::vector<std::size_t> members;
        for (std::size_t i = 0; i < bank.size(); ++i)
            if (!booklet || bank[i].FashikulliGrupPyetjesh.trimmed() == booklet->trimmed())
                members.push_back(i);
        return members;
    };
    std::vector<std::pair<std::vector<std::size_t>, int>> groups;
    if (quotas.empty())
        groups.emplace_back(inBooklet(nullptr), count);
    for (const Quota &quota : quotas)
        groups.emplace_back(inBooklet(&quota.booklet), quota.count);

    // Selection sampling: each candidate in turn is taken with the chance that the ones still
    // wanted stand among the ones left, which makes every subset equally likely.
    std::vector<std::size_t> chosen;
    for (const auto &[members, wanted] : groups) {
        int needed = wanted;
        for (std::size_t t = 0; t < members.size() && needed > 0; ++t) {
            const std::size_t left = members.size() - t;
            if (std::size_t(needed) == left || random.next() * double(left) < needed) {
                chosen.push_back(members[t]);
                --needed;
            }
        }
    }
    std::sort(chosen.begin(), chosen.end());
    return chosen;
}

void fillBankFromFile(ExamState &s, const std::vector<BankQuestion> &paper)
{
    for (int q = 1; q <= int(paper.size()); ++q) {
        const BankQuestion &b = paper[std::size_t(q - 1)];
        s.Pyetja(q) = b.ImazhTekstIPyetes;
        s.PikePozitive(q) = static_cast<std::int16_t>(b.PikePozitive.value_or(0));
        s.PergjigjaESakte(q) = b.PergjigjaESakte;
        s.FondSizeP(q) = static_cast<int>(b.FondSizeP.value_or(0));
        s.FondSizeAlt(q) = static_cast<int>(b.FondSizeAlt.value_or(0));
        s.StrukturaEPyetjes(q) = b.StrukturaEPyetjes;
        for (int j = 1; j <= AlternativeCount; ++j)
            s.Alternativat(q, j) = b.AlternativaTekst.at(std::size_t(j - 1));
    }
}
