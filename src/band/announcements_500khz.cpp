#include "band/announcements_500khz.h"

#include "band/rule_kit.h"
#include "compose/air.h"

namespace zenka {
namespace {

using Form = AnnouncementForm;

// clang-format off
constexpr Announcement kTimetable[] = {
    // 00:00 - 00:59
    {0, 0, "WNU", "WX QSW 463"},
    {0, 3, "OXJ", "TFC LIST QSW 447 KCS"},
    {0, 5, "JCS", "WX QSW 518.5"},
    {0, 6, "FFP", "TFC LIST QSW 435 KCS"},
    {0, 12, "DAN", "TFC LIST QSW 474 KCS"},
    {0, 14, "UCX", "TFC LIST QSW 452 =", Form::bug},
    {0, 18, "NJN", "ICE REPORT QSW 427 =", Form::twice},
    {0, 20, "PCH", "TFC LIST QSW 421 KCS"},
    {0, 26, "9VG", "TFC LIST QSW 516 KCS"},
    {0, 35, "TFA", "ICE REPORT QSW 517 ="},
    {0, 38, "SPH", "TFC LIST QSW 511 KCS"},
    {0, 40, "WCC", "TFC LIST QSW 442 KCS"},
    {0, 49, "JCK", "TFC LIST QSW 420.5 KCS"},
    {0, 53, "SVA", "TFC LIST QSW 437.5 KCS"},
    {0, 57, "4PB", "WX QSW 482"},
    {0, 58, "WMH", "TFC LIST QSW 428 KCS"},
    // 01:00 - 01:59
    {1, 4, "SAG", "TFC LIST QSW 435.5 KCS"},
    {1, 9, "VCS", "TFC LIST QSW 436 KCS"},
    {1, 12, "EAC", "TFC LIST QSW 445 KCS"},
    {1, 21, "OXJ", "ICE REPORT QSW 512.5"},
    {1, 28, "JCS", "TFC LIST QSW 518.5 KCS"},
    {1, 33, "GKR", "TFC LIST QSW 431 KCS"},
    {1, 34, "HSA", "TFC LIST QSW 526 KCS", Form::bug},
    {1, 36, "FFU", "TFC LIST QSW 433.5 +"},
    {1, 41, "HLP", "TFC LIST QSW 434 KCS"},
    {1, 43, "9VG", "WX QSW 516"},
    // 02:00 - 02:59
    {2, 6, "FFP", "TFC LIST QSW 435 KCS"},
    {2, 12, "DAN", "TFC LIST QSW 474 KCS"},
    {2, 19, "CUG", "WX QSW 437.5"},
    {2, 20, "PCH", "TFC LIST QSW 421 KCS"},
    {2, 24, "KPH", "WX QSW 426"},
    {2, 31, "XSG", "TFC LIST QSW 522.5 KCS"},
    {2, 38, "SPH", "TFC LIST QSW 511 KCS"},
    {2, 42, "CWA", "TFC LIST QSW 421.5 KCS"},
    {2, 48, "GKR", "WX QSW 431 ="},
    {2, 55, "VWB", "TFC LIST QSW 521 KCS"},
    {2, 56, "VCS", "ICE REPORT QSW 436 ="},
    // 03:00 - 03:59
    {3, 7, "VPS", "TFC LIST QSW 526 KCS"},
    {3, 9, "VCS", "TFC LIST QSW 436 KCS"},
    {3, 10, "VWB", "WX QSW 521"},
    {3, 22, "A7D", "TFC LIST QSW 439 KCS"},
    {3, 33, "GKR", "TFC LIST QSW 431 KCS"},
    {3, 39, "GPK", "NAV WNG QSW 490 =", Form::bug},
    {3, 44, "FFP", "NAV WNG QSW 435 ="},
    {3, 50, "OST", "TFC LIST QSW 439 KCS"},
    {3, 52, "PCH", "NAV WNG QSW 421 ="},
    {3, 58, "IAR", "TFC LIST QSW 521.5 KCS"},
    // 04:00 - 04:59
    {4, 1, "SUP", "TFC LIST QSW 433 KCS"},
    {4, 6, "FFP", "TFC LIST QSW 435 KCS"},
    {4, 12, "DAN", "TFC LIST QSW 474 KCS"},
    {4, 14, "UCX", "TFC LIST QSW 452 =", Form::bug},
    {4, 20, "PCH", "TFC LIST QSW 421 KCS"},
    {4, 23, "PZN", "TFC LIST QSW 488 KCS"},
    {4, 26, "9VG", "TFC LIST QSW 516 KCS"},
    {4, 30, "DAN", "NAV WNG QSW 474 ="},
    {4, 38, "SPH", "TFC LIST QSW 511 KCS"},
    {4, 40, "WCC", "TFC LIST QSW 442 KCS"},
    {4, 52, "KPH", "NAV WNG QSW 426 ="},
    {4, 53, "SVA", "TFC LIST QSW 437.5 KCS"},
    {4, 58, "WMH", "TFC LIST QSW 428 KCS"},
    // 05:00 - 05:59
    {5, 9, "VCS", "TFC LIST QSW 436 KCS"},
    {5, 21, "OXJ", "ICE REPORT QSW 512.5"},
    {5, 25, "UIW", "TFC LIST QSW 438.5 =", Form::twice},
    {5, 27, "LGN", "WX QSW 447"},
    {5, 28, "JCS", "TFC LIST QSW 518.5 KCS"},
    {5, 33, "GKR", "TFC LIST QSW 431 KCS"},
    {5, 34, "HSA", "TFC LIST QSW 526 KCS", Form::bug},
    {5, 36, "FFU", "TFC LIST QSW 433.5 +"},
    {5, 41, "HLP", "TFC LIST QSW 434 KCS"},
    // 06:00 - 06:59
    {6, 5, "JCS", "WX QSW 518.5"},
    {6, 6, "FFP", "TFC LIST QSW 435 KCS"},
    {6, 12, "DAN", "TFC LIST QSW 474 KCS"},
    {6, 18, "NJN", "NAV WNG QSW 427 =", Form::twice},
    {6, 20, "PCH", "TFC LIST QSW 421 KCS"},
    {6, 24, "KPH", "WX QSW 426"},
    {6, 31, "XSG", "TFC LIST QSW 522.5 KCS"},
    {6, 35, "TFA", "ICE REPORT QSW 517 ="},
    {6, 38, "SPH", "TFC LIST QSW 511 KCS"},
    {6, 49, "JCK", "TFC LIST QSW 420.5 KCS"},
    {6, 55, "VWB", "TFC LIST QSW 521 KCS"},
    {6, 57, "4PB", "WX QSW 482"},
    // 07:00 - 07:59
    {7, 4, "SAG", "TFC LIST QSW 435.5 KCS"},
    {7, 9, "VCS", "TFC LIST QSW 436 KCS"},
    {7, 12, "EAC", "TFC LIST QSW 445 KCS"},
    {7, 22, "A7D", "TFC LIST QSW 439 KCS"},
    {7, 30, "9AR", "NAV WNG QSW 525 ="},
    {7, 33, "GKR", "TFC LIST QSW 431 KCS"},
    {7, 39, "GPK", "NAV WNG QSW 490 =", Form::bug},
    {7, 43, "9VG", "WX QSW 516"},
    {7, 50, "OST", "TFC LIST QSW 439 KCS"},
    {7, 58, "IAR", "TFC LIST QSW 521.5 KCS"},
    // 08:00 - 08:59
    {8, 1, "SUP", "TFC LIST QSW 433 KCS"},
    {8, 3, "OXJ", "TFC LIST QSW 447 KCS"},
    {8, 6, "FFP", "TFC LIST QSW 435 KCS"},
    {8, 12, "DAN", "TFC LIST QSW 474 KCS"},
    {8, 14, "UCX", "TFC LIST QSW 452 =", Form::bug},
    {8, 20, "PCH", "TFC LIST QSW 421 KCS"},
    {8, 26, "9VG", "TFC LIST QSW 516 KCS"},
    {8, 38, "SPH", "TFC LIST QSW 511 KCS"},
    {8, 40, "WCC", "TFC LIST QSW 442 KCS"},
    {8, 44, "ZLD", "NAV WNG QSW 487.5 ="},
    {8, 48, "GKR", "WX QSW 431 ="},
    {8, 53, "SVA", "TFC LIST QSW 437.5 KCS"},
    {8, 58, "WMH", "TFC LIST QSW 428 KCS"},
    // 09:00 - 09:59
    {9, 7, "VPS", "TFC LIST QSW 526 KCS"},
    {9, 9, "VCS", "TFC LIST QSW 436 KCS"},
    {9, 10, "VWB", "WX QSW 521"},
    {9, 21, "OXJ", "ICE REPORT QSW 512.5"},
    {9, 28, "JCS", "TFC LIST QSW 518.5 KCS"},
    {9, 33, "GKR", "TFC LIST QSW 431 KCS"},
    {9, 34, "HSA", "TFC LIST QSW 526 KCS", Form::bug},
    {9, 36, "FFU", "TFC LIST QSW 433.5 +"},
    {9, 41, "HLP", "TFC LIST QSW 434 KCS"},
    {9, 44, "SPH", "ICE REPORT QSW 511"},
    {9, 54, "PPO", "TFC LIST QSW 489 KCS"},
    // 10:00 - 10:59
    {10, 6, "FFP", "TFC LIST QSW 435 KCS"},
    {10, 11, "SVA", "NAV WNG QSW 437.5 ="},
    {10, 12, "DAN", "TFC LIST QSW 474 KCS"},
    {10, 20, "PCH", "TFC LIST QSW 421 KCS"},
    {10, 24, "KPH", "WX QSW 426"},
    {10, 31, "XSG", "TFC LIST QSW 522.5 KCS"},
    {10, 38, "SPH", "TFC LIST QSW 511 KCS"},
    {10, 42, "CWA", "TFC LIST QSW 421.5 KCS"},
    {10, 55, "VWB", "TFC LIST QSW 521 KCS"},
    // 11:00 - 11:59
    {11, 9, "VCS", "TFC LIST QSW 436 KCS"},
    {11, 22, "A7D", "TFC LIST QSW 439 KCS"},
    {11, 27, "LGN", "WX QSW 447"},
    {11, 33, "GKR", "TFC LIST QSW 431 KCS"},
    {11, 39, "GPK", "NAV WNG QSW 490 =", Form::bug},
    {11, 50, "OST", "TFC LIST QSW 439 KCS"},
    {11, 58, "IAR", "TFC LIST QSW 521.5 KCS"},
    // 12:00 - 12:59
    {12, 5, "JCS", "WX QSW 518.5"},
    {12, 6, "FFP", "TFC LIST QSW 435 KCS"},
    {12, 12, "DAN", "TFC LIST QSW 474 KCS"},
    {12, 14, "UCX", "TFC LIST QSW 452 =", Form::bug},
    {12, 18, "NJN", "ICE REPORT QSW 427 =", Form::twice},
    {12, 20, "PCH", "TFC LIST QSW 421 KCS"},
    {12, 23, "PZN", "TFC LIST QSW 488 KCS"},
    {12, 26, "9VG", "TFC LIST QSW 516 KCS"},
    {12, 35, "TFA", "ICE REPORT QSW 517 ="},
    {12, 38, "SPH", "TFC LIST QSW 511 KCS"},
    {12, 40, "WCC", "TFC LIST QSW 442 KCS"},
    {12, 49, "JCK", "TFC LIST QSW 420.5 KCS"},
    {12, 53, "SVA", "TFC LIST QSW 437.5 KCS"},
    {12, 57, "4PB", "WX QSW 482"},
    {12, 58, "WMH", "TFC LIST QSW 428 KCS"},
    // 13:00 - 13:59
    {13, 4, "SAG", "TFC LIST QSW 435.5 KCS"},
    {13, 9, "VCS", "TFC LIST QSW 436 KCS"},
    {13, 12, "EAC", "TFC LIST QSW 445 KCS"},
    {13, 21, "OXJ", "ICE REPORT QSW 512.5"},
    {13, 25, "UIW", "TFC LIST QSW 438.5 =", Form::twice},
    {13, 28, "JCS", "TFC LIST QSW 518.5 KCS"},
    {13, 33, "GKR", "TFC LIST QSW 431 KCS"},
    {13, 34, "HSA", "TFC LIST QSW 526 KCS", Form::bug},
    {13, 36, "FFU", "TFC LIST QSW 433.5 +"},
    {13, 41, "HLP", "TFC LIST QSW 434 KCS"},
    {13, 43, "9VG", "WX QSW 516"},
    // 14:00 - 14:59
    {14, 6, "FFP", "TFC LIST QSW 435 KCS"},
    {14, 12, "DAN", "TFC LIST QSW 474 KCS"},
    {14, 19, "CUG", "WX QSW 437.5"},
    {14, 20, "PCH", "TFC LIST QSW 421 KCS"},
    {14, 24, "KPH", "WX QSW 426"},
    {14, 31, "XSG", "TFC LIST QSW 522.5 KCS"},
    {14, 38, "SPH", "TFC LIST QSW 511 KCS"},
    {14, 48, "GKR", "WX QSW 431 ="},
    {14, 55, "VWB", "TFC LIST QSW 521 KCS"},
    {14, 56, "VCS", "ICE REPORT QSW 436 ="},
    // 15:00 - 15:59
    {15, 7, "VPS", "TFC LIST QSW 526 KCS"},
    {15, 9, "VCS", "TFC LIST QSW 436 KCS"},
    {15, 10, "VWB", "WX QSW 521"},
    {15, 22, "A7D", "TFC LIST QSW 439 KCS"},
    {15, 33, "GKR", "TFC LIST QSW 431 KCS"},
    {15, 39, "GPK", "NAV WNG QSW 490 =", Form::bug},
    {15, 44, "FFP", "NAV WNG QSW 435 ="},
    {15, 50, "OST", "TFC LIST QSW 439 KCS"},
    {15, 52, "PCH", "NAV WNG QSW 421 ="},
    {15, 58, "IAR", "TFC LIST QSW 521.5 KCS"},
    // 16:00 - 16:59
    {16, 1, "SUP", "TFC LIST QSW 433 KCS"},
    {16, 3, "OXJ", "TFC LIST QSW 447 KCS"},
    {16, 6, "FFP", "TFC LIST QSW 435 KCS"},
    {16, 12, "DAN", "TFC LIST QSW 474 KCS"},
    {16, 14, "UCX", "TFC LIST QSW 452 =", Form::bug},
    {16, 20, "PCH", "TFC LIST QSW 421 KCS"},
    {16, 26, "9VG", "TFC LIST QSW 516 KCS"},
    {16, 30, "DAN", "NAV WNG QSW 474 ="},
    {16, 38, "SPH", "TFC LIST QSW 511 KCS"},
    {16, 40, "WCC", "TFC LIST QSW 442 KCS"},
    {16, 52, "KPH", "NAV WNG QSW 426 ="},
    {16, 53, "SVA", "TFC LIST QSW 437.5 KCS"},
    {16, 58, "WMH", "TFC LIST QSW 428 KCS"},
    // 17:00 - 17:59
    {17, 9, "VCS", "TFC LIST QSW 436 KCS"},
    {17, 21, "OXJ", "ICE REPORT QSW 512.5"},
    {17, 27, "LGN", "WX QSW 447"},
    {17, 28, "JCS", "TFC LIST QSW 518.5 KCS"},
    {17, 33, "GKR", "TFC LIST QSW 431 KCS"},
    {17, 34, "HSA", "TFC LIST QSW 526 KCS", Form::bug},
    {17, 36, "FFU", "TFC LIST QSW 433.5 +"},
    {17, 41, "HLP", "TFC LIST QSW 434 KCS"},
    {17, 54, "PPO", "TFC LIST QSW 489 KCS"},
    // 18:00 - 18:59
    {18, 5, "JCS", "WX QSW 518.5"},
    {18, 6, "FFP", "TFC LIST QSW 435 KCS"},
    {18, 12, "DAN", "TFC LIST QSW 474 KCS"},
    {18, 18, "NJN", "NAV WNG QSW 427 =", Form::twice},
    {18, 20, "PCH", "TFC LIST QSW 421 KCS"},
    {18, 24, "KPH", "WX QSW 426"},
    {18, 31, "XSG", "TFC LIST QSW 522.5 KCS"},
    {18, 35, "TFA", "ICE REPORT QSW 517 ="},
    {18, 38, "SPH", "TFC LIST QSW 511 KCS"},
    {18, 42, "CWA", "TFC LIST QSW 421.5 KCS"},
    {18, 49, "JCK", "TFC LIST QSW 420.5 KCS"},
    {18, 55, "VWB", "TFC LIST QSW 521 KCS"},
    {18, 57, "4PB", "WX QSW 482"},
    // 19:00 - 19:59
    {19, 4, "SAG", "TFC LIST QSW 435.5 KCS"},
    {19, 9, "VCS", "TFC LIST QSW 436 KCS"},
    {19, 12, "EAC", "TFC LIST QSW 445 KCS"},
    {19, 22, "A7D", "TFC LIST QSW 439 KCS"},
    {19, 30, "9AR", "NAV WNG QSW 525 ="},
    {19, 33, "GKR", "TFC LIST QSW 431 KCS"},
    {19, 39, "GPK", "NAV WNG QSW 490 =", Form::bug},
    {19, 43, "9VG", "WX QSW 516"},
    {19, 50, "OST", "TFC LIST QSW 439 KCS"},
    {19, 58, "IAR", "TFC LIST QSW 521.5 KCS"},
    // 20:00 - 20:59
    {20, 0, "WNU", "WX QSW 463"},
    {20, 14, "UCX", "TFC LIST QSW 452 =", Form::bug},
    {20, 30, "GKR", "ICE REPORT QSW 431"},
    {20, 44, "ZLD", "NAV WNG QSW 487.5 ="},
    {20, 48, "GKR", "WX QSW 431 ="},
    // 21:00 - 21:59
    {21, 7, "VPS", "TFC LIST QSW 526 KCS"},
    {21, 9, "VCS", "TFC LIST QSW 436 KCS"},
    {21, 10, "VWB", "WX QSW 521"},
    {21, 21, "OXJ", "ICE REPORT QSW 512.5"},
    {21, 25, "UIW", "TFC LIST QSW 438.5 =", Form::twice},
    {21, 28, "JCS", "TFC LIST QSW 518.5 KCS"},
    {21, 33, "GKR", "TFC LIST QSW 431 KCS"},
    {21, 34, "HSA", "TFC LIST QSW 526 KCS", Form::bug},
    {21, 36, "FFU", "TFC LIST QSW 433.5 +"},
    {21, 41, "HLP", "TFC LIST QSW 434 KCS"},
    {21, 44, "SPH", "ICE REPORT QSW 511"},
    // 22:00 - 22:59
    {22, 6, "FFP", "TFC LIST QSW 435 KCS"},
    {22, 12, "DAN", "TFC LIST QSW 474 KCS"},
    {22, 20, "PCH", "TFC LIST QSW 421 KCS"},
    {22, 23, "PZN", "TFC LIST QSW 488 KCS"},
    {22, 24, "KPH", "WX QSW 426"},
    {22, 26, "9VG", "TFC LIST QSW 516 KCS"},
    {22, 31, "XSG", "TFC LIST QSW 522.5 KCS"},
    {22, 38, "SPH", "TFC LIST QSW 511 KCS"},
    {22, 40, "WCC", "TFC LIST QSW 442 KCS"},
    {22, 55, "VWB", "TFC LIST QSW 521 KCS"},
    {22, 58, "WMH", "TFC LIST QSW 428 KCS"},
    // 23:00 - 23:59
    {23, 9, "VCS", "TFC LIST QSW 436 KCS"},
    {23, 11, "SVA", "NAV WNG QSW 437.5 ="},
    {23, 22, "A7D", "TFC LIST QSW 439 KCS"},
    {23, 27, "LGN", "WX QSW 447"},
    {23, 33, "GKR", "TFC LIST QSW 431 KCS"},
    {23, 39, "GPK", "NAV WNG QSW 490 =", Form::bug},
    {23, 50, "OST", "TFC LIST QSW 439 KCS"},
    {23, 58, "IAR", "TFC LIST QSW 521.5 KCS"},
};
// clang-format on

} // namespace

std::span<const Announcement> timetable_500khz_rows() {
    return kTimetable;
}

void timetable_500khz(Air& a) {
    const int hour = a.t.hour;
    const int minute = a.t.minute;
    for (const Announcement& row : kTimetable) {
        if (row.hour != hour || row.minute != minute) continue;
        a.spd = row.call.voice.spd;
        a.ton = row.call.voice.ton;
        a.qsa = 4;
        switch (row.form) {
        case Form::plain:
            send_cq_anm(a, row.call.call, row.text);
            break;
        case Form::bug:
            send_cq_anm_bug(a, row.call.call, row.text);
            break;
        case Form::twice:
            send_cq_anm_2x2(a, row.call.call, row.text);
            break;
        }
        // Only the plain form marks the pass: after a bug or twice form the frequency's
        // ordinary life goes on.
    }
}

} // namespace zenka
