#pragma once

#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <iostream>
#include <random>

// Steps taken at random, for the answer box's random tests. RANDOM_STEPS sets
// how many, and RANDOM_SEED=n replays a run: the seed is printed first and in
// every failure, with the last things done.
class RandomUser
{
public:
    using Step = std::pair<int, std::function<void()>>; // how often, against the others; what

    explicit RandomUser(int defaultSteps)
    {
        bool given = false;
        seed = qEnvironmentVariable("RANDOM_SEED").toULongLong(&given);
        seed = given ? seed : std::random_device()();
        steps = qEnvironmentVariableIntValue("RANDOM_STEPS");
        steps = steps > 0 ? steps : defaultSteps;
        m_random.seed(seed);
        std::cout << "RANDOM_SEED=" << seed << " RANDOM_STEPS=" << steps << std::endl;
    }

    // Takes the steps from the table, each followed by `check`.
    void run(const std::vector<Step> &table, const std::function<void()> &check)
    {
        std::discrete_distribution<size_t> choose(
            table.size(), 0, double(table.size()),
            [&](double at) { return table[size_t(at)].first; });
        for (int step = 1; step <= steps && !::testing::Test::HasFailure(); ++step) {
            did(u"step %1"_s.arg(step));
            table[choose(m_random)].second();
            check();
        }
        if (::testing::Test::HasFailure())
            ADD_FAILURE() << "RANDOM_SEED=" << seed << ", after:\n"
                          << m_done.join(u'\n').toStdString();
    }

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }
    bool chance(double p) { return std::bernoulli_distribution(p)(m_random); }
    // The last few things done go into a failure's message.
    void did(const QString &action) { m_done = m_done.mid(m_done.size() - 7) << action.left(50); }

    qulonglong seed = 0;
    int steps = 0;

private:
    std::mt19937_64 m_random;
    QStringList m_done;
};
