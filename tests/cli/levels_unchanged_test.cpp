// The one-ply computer of levels 1 to 3 chooses and scores exactly as it did before the
// look-ahead levels came: its bestmove line and a fingerprint of its whole trace (with the
// evaluation terms) on fixed positions, recorded from the one-ply player alone.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "cli/commands.h"

namespace banzuri {
namespace {

struct Recorded {
    const char* sfen;
    int level;
    bool upper_first;
    const char* bestmove;
    std::uint64_t trace_fingerprint;  // FNV-1a 64 of the trace output with --terms
};

std::uint64_t fnv1a(const std::string& text) {
    std::uint64_t h = 0xcbf29ce484222325ULL;
    for (const char c : text) {
        h ^= static_cast<unsigned char>(c);
        h *= 0x100000001b3ULL;
    }
    return h;
}

// Positions from seeded random games, a position with every kind in both hands, the start
// and a king capture.
const Recorded kRecorded[] = {
    {"ln1gkg1nl/1r1s2sb1/ppppppp1p/7p1/9/P8/1PPPPPPPP/1B3KR2/LNSG1GSNL b - 7", 1, false,
     "bestmove 9a9b", 0xe06e63543e5c93ecULL},
    {"ln1gkg1nl/1r1s2sb1/ppppppp1p/7p1/9/P8/1PPPPPPPP/1B3KR2/LNSG1GSNL b - 7", 1, true,
     "bestmove 9a9b", 0xe06e63543e5c93ecULL},
    {"ln1gkg1nl/1r1s2sb1/ppppppp1p/7p1/9/P8/1PPPPPPPP/1B3KR2/LNSG1GSNL b - 7", 2, false,
     "bestmove 9a9b", 0x118a18405ae03b0cULL},
    {"ln1gkg1nl/1r1s2sb1/ppppppp1p/7p1/9/P8/1PPPPPPPP/1B3KR2/LNSG1GSNL b - 7", 2, true,
     "bestmove 9a9b", 0x118a18405ae03b0cULL},
    {"ln1gkg1nl/1r1s2sb1/ppppppp1p/7p1/9/P8/1PPPPPPPP/1B3KR2/LNSG1GSNL b - 7", 3, false,
     "bestmove 3c3d", 0x79219178cb132692ULL},
    {"ln1gkg1nl/1r1s2sb1/ppppppp1p/7p1/9/P8/1PPPPPPPP/1B3KR2/LNSG1GSNL b - 7", 3, true,
     "bestmove 3c3d", 0x79219178cb132692ULL},
    {"lns1ggsnl/1r2k2b1/p1ppp4/1p3pppp/9/1P7/P1PPPPPPP/LBS2SR1L/1N1GKG1N1 w - 16", 1, false,
     "bestmove 9a9b", 0xc4496e5676035af1ULL},
    {"lns1ggsnl/1r2k2b1/p1ppp4/1p3pppp/9/1P7/P1PPPPPPP/LBS2SR1L/1N1GKG1N1 w - 16", 1, true,
     "bestmove 9a9b", 0xc4496e5676035af1ULL},
    {"lns1ggsnl/1r2k2b1/p1ppp4/1p3pppp/9/1P7/P1PPPPPPP/LBS2SR1L/1N1GKG1N1 w - 16", 2, false,
     "bestmove 9a9b", 0x871f424cd2a8c9e3ULL},
    {"lns1ggsnl/1r2k2b1/p1ppp4/1p3pppp/9/1P7/P1PPPPPPP/LBS2SR1L/1N1GKG1N1 w - 16", 2, true,
     "bestmove 9a9b", 0x871f424cd2a8c9e3ULL},
    {"lns1ggsnl/1r2k2b1/p1ppp4/1p3pppp/9/1P7/P1PPPPPPP/LBS2SR1L/1N1GKG1N1 w - 16", 3, false,
     "bestmove 7a6b", 0x9cc0fb25c179eab7ULL},
    {"lns1ggsnl/1r2k2b1/p1ppp4/1p3pppp/9/1P7/P1PPPPPPP/LBS2SR1L/1N1GKG1N1 w - 16", 3, true,
     "bestmove 7a6b", 0x9cc0fb25c179eab7ULL},
    {"lnsgkgbn1/4rs2l/1p1p2ppp/p1p1pp3/2B6/PPP6/1S1PPPPPP/4GS3/LN2KGRNL b - 25", 1, false,
     "bestmove 9a9b", 0x9177dd777c9da5b0ULL},
    {"lnsgkgbn1/4rs2l/1p1p2ppp/p1p1pp3/2B6/PPP6/1S1PPPPPP/4GS3/LN2KGRNL b - 25", 1, true,
     "bestmove 9a9b", 0x9177dd777c9da5b0ULL},
    {"lnsgkgbn1/4rs2l/1p1p2ppp/p1p1pp3/2B6/PPP6/1S1PPPPPP/4GS3/LN2KGRNL b - 25", 2, false,
     "bestmove 9a9b", 0xf5e8ed89b054b2a8ULL},
    {"lnsgkgbn1/4rs2l/1p1p2ppp/p1p1pp3/2B6/PPP6/1S1PPPPPP/4GS3/LN2KGRNL b - 25", 2, true,
     "bestmove 9a9b", 0xf5e8ed89b054b2a8ULL},
    {"lnsgkgbn1/4rs2l/1p1p2ppp/p1p1pp3/2B6/PPP6/1S1PPPPPP/4GS3/LN2KGRNL b - 25", 3, false,
     "bestmove 7a6b", 0xe104f40482e81316ULL},
    {"lnsgkgbn1/4rs2l/1p1p2ppp/p1p1pp3/2B6/PPP6/1S1PPPPPP/4GS3/LN2KGRNL b - 25", 3, true,
     "bestmove 7a6b", 0xe104f40482e81316ULL},
    {"1ns1g1sn1/l1rg2kbl/1pp1p1p1p/1P1pP1Pp1/p8/5G1P1/P1PP1P2P/1BSR5/LN1GK1SNL w P 34", 1, false,
     "bestmove 9b9c", 0xedae420e44f8c1f0ULL},
    {"1ns1g1sn1/l1rg2kbl/1pp1p1p1p/1P1pP1Pp1/p8/5G1P1/P1PP1P2P/1BSR5/LN1GK1SNL w P 34", 1, true,
     "bestmove 9b9c", 0xedae420e44f8c1f0ULL},
    {"1ns1g1sn1/l1rg2kbl/1pp1p1p1p/1P1pP1Pp1/p8/5G1P1/P1PP1P2P/1BSR5/LN1GK1SNL w P 34", 2, false,
     "bestmove 9b9c", 0xb9c4f685306fb226ULL},
    {"1ns1g1sn1/l1rg2kbl/1pp1p1p1p/1P1pP1Pp1/p8/5G1P1/P1PP1P2P/1BSR5/LN1GK1SNL w P 34", 2, true,
     "bestmove 9b9c", 0xb9c4f685306fb226ULL},
    {"1ns1g1sn1/l1rg2kbl/1pp1p1p1p/1P1pP1Pp1/p8/5G1P1/P1PP1P2P/1BSR5/LN1GK1SNL w P 34", 3, false,
     "bestmove 6b6c", 0x2a3052b36414ec74ULL},
    {"1ns1g1sn1/l1rg2kbl/1pp1p1p1p/1P1pP1Pp1/p8/5G1P1/P1PP1P2P/1BSR5/LN1GK1SNL w P 34", 3, true,
     "bestmove 6b6c", 0x2a3052b36414ec74ULL},
    {"1ns1+Bk1n1/lr1ggs2l/1ppppp3/p5ppp/8P/1PP1P1P2/P2P1P1PN/L3G2SR/1NS1KG2L b B 43", 1, false,
     "bestmove 6b6a", 0x0068ab953250ef61ULL},
    {"1ns1+Bk1n1/lr1ggs2l/1ppppp3/p5ppp/8P/1PP1P1P2/P2P1P1PN/L3G2SR/1NS1KG2L b B 43", 1, true,
     "bestmove 6b6a", 0x0068ab953250ef61ULL},
    {"1ns1+Bk1n1/lr1ggs2l/1ppppp3/p5ppp/8P/1PP1P1P2/P2P1P1PN/L3G2SR/1NS1KG2L b B 43", 2, false,
     "bestmove 6b6a", 0x03fdb7c7eca21b4cULL},
    {"1ns1+Bk1n1/lr1ggs2l/1ppppp3/p5ppp/8P/1PP1P1P2/P2P1P1PN/L3G2SR/1NS1KG2L b B 43", 2, true,
     "bestmove 6b6a", 0x03fdb7c7eca21b4cULL},
    {"1ns1+Bk1n1/lr1ggs2l/1ppppp3/p5ppp/8P/1PP1P1P2/P2P1P1PN/L3G2SR/1NS1KG2L b B 43", 3, false,
     "bestmove 6b6a", 0x25ad36f77a925ebbULL},
    {"1ns1+Bk1n1/lr1ggs2l/1ppppp3/p5ppp/8P/1PP1P1P2/P2P1P1PN/L3G2SR/1NS1KG2L b B 43", 3, true,
     "bestmove 6b6a", 0x25ad36f77a925ebbULL},
    {"1n1k1sbn1/l2rg3l/pgp1ppp2/1p4P1p/1s1p3p1/P2PSPGP1/LPP1P3P/3S3RL/BN1G1K1N1 w - 52", 1, false,
     "bestmove 9c9d", 0xceb6aebbcfe890a5ULL},
    {"1n1k1sbn1/l2rg3l/pgp1ppp2/1p4P1p/1s1p3p1/P2PSPGP1/LPP1P3P/3S3RL/BN1G1K1N1 w - 52", 1, true,
     "bestmove 9c9d", 0xceb6aebbcfe890a5ULL},
    {"1n1k1sbn1/l2rg3l/pgp1ppp2/1p4P1p/1s1p3p1/P2PSPGP1/LPP1P3P/3S3RL/BN1G1K1N1 w - 52", 2, false,
     "bestmove 9c9d", 0x75e00aef01106aedULL},
    {"1n1k1sbn1/l2rg3l/pgp1ppp2/1p4P1p/1s1p3p1/P2PSPGP1/LPP1P3P/3S3RL/BN1G1K1N1 w - 52", 2, true,
     "bestmove 9c9d", 0x75e00aef01106aedULL},
    {"1n1k1sbn1/l2rg3l/pgp1ppp2/1p4P1p/1s1p3p1/P2PSPGP1/LPP1P3P/3S3RL/BN1G1K1N1 w - 52", 3, false,
     "bestmove 6b6c", 0x5ceedd6f9146b3a4ULL},
    {"1n1k1sbn1/l2rg3l/pgp1ppp2/1p4P1p/1s1p3p1/P2PSPGP1/LPP1P3P/3S3RL/BN1G1K1N1 w - 52", 3, true,
     "bestmove 6b6c", 0x5ceedd6f9146b3a4ULL},
    {"3k3g1/l3rs3/ng1sppbpn/2p3p1l/ppP1P2P1/1B4P1p/PP1P1PS1P/2S1G1R1L/LN2K1GN1 b P 61", 1, false,
     "bestmove 8c9d", 0x9ae3791a77326cc3ULL},
    {"3k3g1/l3rs3/ng1sppbpn/2p3p1l/ppP1P2P1/1B4P1p/PP1P1PS1P/2S1G1R1L/LN2K1GN1 b P 61", 1, true,
     "bestmove 8c9d", 0x9ae3791a77326cc3ULL},
    {"3k3g1/l3rs3/ng1sppbpn/2p3p1l/ppP1P2P1/1B4P1p/PP1P1PS1P/2S1G1R1L/LN2K1GN1 b P 61", 2, false,
     "bestmove 8c9d", 0x99b270539f3dc0beULL},
    {"3k3g1/l3rs3/ng1sppbpn/2p3p1l/ppP1P2P1/1B4P1p/PP1P1PS1P/2S1G1R1L/LN2K1GN1 b P 61", 2, true,
     "bestmove 8c9d", 0x99b270539f3dc0beULL},
    {"3k3g1/l3rs3/ng1sppbpn/2p3p1l/ppP1P2P1/1B4P1p/PP1P1PS1P/2S1G1R1L/LN2K1GN1 b P 61", 3, false,
     "bestmove 5c5d", 0xf7cf3a6535712017ULL},
    {"3k3g1/l3rs3/ng1sppbpn/2p3p1l/ppP1P2P1/1B4P1p/PP1P1PS1P/2S1G1R1L/LN2K1GN1 b P 61", 3, true,
     "bestmove 5c5d", 0xf7cf3a6535712017ULL},
    {"2s1sg1nl/l1grk4/p1np2ppp/3bpp1P1/Ppp1PP1NP/3P1GP2/BPPRS3L/5K2S/LN4G2 w - 76", 1, false,
     "bestmove 9c9d", 0x7aeb2f9367abfa5aULL},
    {"2s1sg1nl/l1grk4/p1np2ppp/3bpp1P1/Ppp1PP1NP/3P1GP2/BPPRS3L/5K2S/LN4G2 w - 76", 1, true,
     "bestmove 9c9d", 0x7aeb2f9367abfa5aULL},
    {"2s1sg1nl/l1grk4/p1np2ppp/3bpp1P1/Ppp1PP1NP/3P1GP2/BPPRS3L/5K2S/LN4G2 w - 76", 2, false,
     "bestmove 9c9d", 0xb766e1c39e449d2eULL},
    {"2s1sg1nl/l1grk4/p1np2ppp/3bpp1P1/Ppp1PP1NP/3P1GP2/BPPRS3L/5K2S/LN4G2 w - 76", 2, true,
     "bestmove 9c9d", 0xb766e1c39e449d2eULL},
    {"2s1sg1nl/l1grk4/p1np2ppp/3bpp1P1/Ppp1PP1NP/3P1GP2/BPPRS3L/5K2S/LN4G2 w - 76", 3, false,
     "bestmove 7a8b", 0x3201558495a78747ULL},
    {"2s1sg1nl/l1grk4/p1np2ppp/3bpp1P1/Ppp1PP1NP/3P1GP2/BPPRS3L/5K2S/LN4G2 w - 76", 3, true,
     "bestmove 7a8b", 0x3201558495a78747ULL},
    {"1s6g/lk1rn1s1l/Ng2p3p/1p1pPp1p1/p1p2gp1P/P2P2PP1/NPn1BPRBL/L3GK1S1/1S7 b p 91", 1, false,
     "bestmove 7g6i+", 0xa0509bcc947d755aULL},
    {"1s6g/lk1rn1s1l/Ng2p3p/1p1pPp1p1/p1p2gp1P/P2P2PP1/NPn1BPRBL/L3GK1S1/1S7 b p 91", 1, true,
     "bestmove 7g6i+", 0xa0509bcc947d755aULL},
    {"1s6g/lk1rn1s1l/Ng2p3p/1p1pPp1p1/p1p2gp1P/P2P2PP1/NPn1BPRBL/L3GK1S1/1S7 b p 91", 2, false,
     "bestmove 7g6i+", 0x55ca0a0f1a2e7c24ULL},
    {"1s6g/lk1rn1s1l/Ng2p3p/1p1pPp1p1/p1p2gp1P/P2P2PP1/NPn1BPRBL/L3GK1S1/1S7 b p 91", 2, true,
     "bestmove 7g6i+", 0x55ca0a0f1a2e7c24ULL},
    {"1s6g/lk1rn1s1l/Ng2p3p/1p1pPp1p1/p1p2gp1P/P2P2PP1/NPn1BPRBL/L3GK1S1/1S7 b p 91", 3, false,
     "bestmove 7g6i+", 0x9f29737e4588631aULL},
    {"1s6g/lk1rn1s1l/Ng2p3p/1p1pPp1p1/p1p2gp1P/P2P2PP1/NPn1BPRBL/L3GK1S1/1S7 b p 91", 3, true,
     "bestmove 7g6i+", 0x9f29737e4588631aULL},
    {"l8/2gs3bl/1kn1+N2gn/3p1pppp/rppSSPPP1/pP1GP3P/P1P2G2L/LB1PK2S1/1N2+p2R1 b - 111", 1, false,
     "bestmove 7e7f", 0x590245bf3e882feeULL},
    {"l8/2gs3bl/1kn1+N2gn/3p1pppp/rppSSPPP1/pP1GP3P/P1P2G2L/LB1PK2S1/1N2+p2R1 b - 111", 1, true,
     "bestmove 7e7f", 0x590245bf3e882feeULL},
    {"l8/2gs3bl/1kn1+N2gn/3p1pppp/rppSSPPP1/pP1GP3P/P1P2G2L/LB1PK2S1/1N2+p2R1 b - 111", 2, false,
     "bestmove 7e7f", 0xefeb835ba425280eULL},
    {"l8/2gs3bl/1kn1+N2gn/3p1pppp/rppSSPPP1/pP1GP3P/P1P2G2L/LB1PK2S1/1N2+p2R1 b - 111", 2, true,
     "bestmove 7e7f", 0xefeb835ba425280eULL},
    {"l8/2gs3bl/1kn1+N2gn/3p1pppp/rppSSPPP1/pP1GP3P/P1P2G2L/LB1PK2S1/1N2+p2R1 b - 111", 3, false,
     "bestmove 7e7f", 0x599f7d6dc6a75d7bULL},
    {"l8/2gs3bl/1kn1+N2gn/3p1pppp/rppSSPPP1/pP1GP3P/P1P2G2L/LB1PK2S1/1N2+p2R1 b - 111", 3, true,
     "bestmove 7e7f", 0x599f7d6dc6a75d7bULL},
    {"4k4/9/9/9/9/9/9/9/4K4 w RBGSNLPrbgsnlp 1", 1, false, "bestmove 5a6a", 0x4e4714e8447e8cf5ULL},
    {"4k4/9/9/9/9/9/9/9/4K4 w RBGSNLPrbgsnlp 1", 1, true, "bestmove 5a6a", 0x4e4714e8447e8cf5ULL},
    {"4k4/9/9/9/9/9/9/9/4K4 w RBGSNLPrbgsnlp 1", 2, false, "bestmove P*9b", 0xd537377b080b7749ULL},
    {"4k4/9/9/9/9/9/9/9/4K4 w RBGSNLPrbgsnlp 1", 2, true, "bestmove P*9b", 0xd537377b080b7749ULL},
    {"4k4/9/9/9/9/9/9/9/4K4 w RBGSNLPrbgsnlp 1", 3, false, "bestmove P*9b", 0x6d5fedefe1f80823ULL},
    {"4k4/9/9/9/9/9/9/9/4K4 w RBGSNLPrbgsnlp 1", 3, true, "bestmove P*9b", 0x6d5fedefe1f80823ULL},
    {"lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w - 1", 1, false, "bestmove 9a9b",
     0x4e51adf6848fbcebULL},
    {"lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w - 1", 1, true, "bestmove 9a9b",
     0x4e51adf6848fbcebULL},
    {"lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w - 1", 2, false, "bestmove 9a9b",
     0x88d87c85d2695c45ULL},
    {"lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w - 1", 2, true, "bestmove 9a9b",
     0x88d87c85d2695c45ULL},
    {"lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w - 1", 3, false, "bestmove 3c3d",
     0x866af22fa01f3beeULL},
    {"lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w - 1", 3, true, "bestmove 3c3d",
     0x866af22fa01f3beeULL},
    {"8k/9/9/9/9/3g5/4Kg3/9/9 w - 1", 1, false, "bestmove 6f6g", 0x91894cbc7fd5230eULL},
    {"8k/9/9/9/9/3g5/4Kg3/9/9 w - 1", 1, true, "bestmove 6f6g", 0x91894cbc7fd5230eULL},
    {"8k/9/9/9/9/3g5/4Kg3/9/9 w - 1", 2, false, "bestmove 6f6g", 0x900b8c4829ad61dbULL},
    {"8k/9/9/9/9/3g5/4Kg3/9/9 w - 1", 2, true, "bestmove 6f6g", 0x900b8c4829ad61dbULL},
    {"8k/9/9/9/9/3g5/4Kg3/9/9 w - 1", 3, false, "bestmove 6f6g", 0x0a76565d5fdcafa4ULL},
    {"8k/9/9/9/9/3g5/4Kg3/9/9 w - 1", 3, true, "bestmove 6f6g", 0x0a76565d5fdcafa4ULL},
};

cli::Args with_options(std::string command, const Recorded& r) {
    cli::Args args = {std::move(command), r.sfen, "--level", std::to_string(r.level)};
    if (r.upper_first) args.push_back("--upper-first");
    return args;
}

TEST(LevelsOneToThree, BestmoveAndTraceAsRecorded) {
    for (const Recorded& r : kRecorded) {
        SCOPED_TRACE(std::string(r.sfen) + " level " + std::to_string(r.level));
        const cli::Output best = cli::run(with_options("bestmove", r));
        EXPECT_EQ(best.status, 0);
        EXPECT_EQ(best.out, std::string(r.bestmove) + "\n");
        cli::Args trace = with_options("trace", r);
        trace.push_back("--terms");
        EXPECT_EQ(fnv1a(cli::run(trace).out), r.trace_fingerprint);
    }
}

}  // namespace
}  // namespace banzuri
