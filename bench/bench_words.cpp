// Speed of the amount in words, rewritten at every key of the amount field.
// The payee field's keys are measured by bench_payees, on the list model
// the program uses.

#include "amountinwords.h"

#include <benchmark/benchmark.h>

namespace {

void amountInWords(benchmark::State &state, qint64 tenThousandths)
{
    const Currency amount = Currency::fromTenThousandths(tenThousandths);
    for (auto _ : state)
        benchmark::DoNotOptimize(AmountInWords(amount));
}

} // namespace

BENCHMARK_CAPTURE(amountInWords, small, Q_INT64_C(15000000));
BENCHMARK_CAPTURE(amountInWords, with_decimals, Q_INT64_C(12345678900));
BENCHMARK_CAPTURE(amountInWords, largest, Q_INT64_C(9999999999999999));

BENCHMARK_MAIN();
