#include "render/time_text.h"

#include <cmath>

namespace banzuri {

double 調査_経過秒(double start, double now) {
    if (start <= now) return now - start;
    return now + (SECONDS_PER_DAY - start);
}

std::string 調査_時間秒追加結果(double seconds) {
    double h = 0;
    double r = seconds;
    if (seconds >= 3600) {
        h = std::floor(seconds / 3600);
        r = seconds - 3600 * h;
    }
    const double m = std::floor(r / 60);
    const double sec = r - 60 * m;
    const auto whole = [](double v) { return static_cast<long long>(std::floor(v)); };
    return 変換_数字から文字(whole(h)) + ":" + 変換_数字から文字(whole(m)) + ":" +
           変換_数字から文字(whole(sec));
}

std::string 変換_数字から文字(long long n) {
    std::string text = std::to_string(n);
    if (text.size() == 1) return "0" + text;
    if (text.size() == 2) return text;
    return "";
}

}  // namespace banzuri
