#include "util/messages.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <iterator>
#include <vector>

namespace util {

namespace {

struct Entry
{
    int id;
    const char *korean;
    const char *english;
};

// Sorted by number.
const Entry kMessages[] = {
        {100, "OLE 초기화에 실패하였습니다. OLE 라이브러리의 버전이 올바른지 확인하십시오.",
         "OLE initialisation failed. Check the version of the OLE library."},
        {50200,
         "선택가능한 PLC가 존재하지 않으므로 창을 띄울 수 없습니다. 먼저 PLC 타입을 변경하시기 "
         "바랍니다.",
         "There is no selectable PLC, so the window cannot be opened. Change the PLC type first."},
        {50201, "시작주소는 끝주소보다 작거나 같아야 합니다. 확인하시기 바랍니다.",
         "The start address must be less than or equal to the end address. Please check."},
        {50202, "입력가능한 주소범위는 %d ~ %d까지입니다. 확인하시기 바랍니다.",
         "The address range that can be entered is %d ~ %d. Please check."},
        {50300, "더이상 입력할 수 없습니다. 입력가능한 갯수는 %d개까지 입니다.",
         "No more entries can be added. At most %d entries are allowed."},
        {50401, "파일을 열 수 없습니다.[%s]", "The file cannot be opened.[%s]"},
        {50402, "%s에 쓸 수 없습니다.", "Cannot write %s."},
        {50500, "화면", "Screen"},
        {50501, "현재 활성화된 화면이 삭제됩니다.\n계속하시겠습니까?",
         "The active screen will be deleted.\nDo you want to continue?"},
        {50502, "프로젝트 창에서 선택된 화면들이 삭제됩니다.\n계속하시겠습니까?",
         "The screens selected in the project window will be deleted.\nDo you want to continue?"},
        {50600, "프로젝트 창", "Project window"},
        {50900, "변경된 리소스를 적용하기 위해서는 프로그램을 종료후 다시 시작해야 합니다.",
         "The changed resources take effect only after the program is restarted."},
        {51200, "주소", "Address"},
        {51201, "발생조건", "Condition"},
        {51202, "경보메시지", "Alarm message"},
        {51203, "버저", "Buzzer"},
        {51210, "Off", "Off"},
        {51211, "On", "On"},
        {51220, "사용 안함", "Not used"},
        {51221, "초동안 울림", " seconds"},
        {51222, "계속 울림", "Sounds continuously"},
        {51230, "경보 메시지가 입력되지 않았습니다. ", "No alarm message was entered. "},
        {51231, "메시지 표시", "Message display"},
        {51400, "기동주소", "Start address"},
        {51401, "기동조건", "Start condition"},
        {51402, "연산자", "Operator"},
        {51403, "연산대상1주소", "Operand 1 address"},
        {51404, "연산대상2주소", "Operand 2 address"},
        {51405, "결과주소", "Result address"},
        {51406, "데이터 & 표시형식", "Data and display format"},
        {51410, "상시", "Always"},
        {51411, "On", "On"},
        {51412, "Off", "Off"},
        {51413, "반전", "Toggle"},
        {51414, "On계속", "While On"},
        {51415, "Off계속", "While Off"},
        {51500, "기동주소", "Start address"},
        {51501, "통신조건", "Communication condition"},
        {51502, "통신방향", "Direction"},
        {51503, "PLC주소", "PLC address"},
        {51504, "HMI주소", "HMI address"},
        {51505, "데이터크기", "Data size"},
        {51510, "상시", "Always"},
        {51511, "On", "On"},
        {51512, "Off", "Off"},
        {51513, "반전", "Toggle"},
        {51514, "On계속", "While On"},
        {51515, "Off계속", "While Off"},
        {51600, "기동조건", "Start condition"},
        {51601, "기동주소", "Start address"},
        {51602, "되풀이방법", "Repeat"},
        {51603, "실행시간", "Execution time"},
        {51604, "실행주소", "Execution address"},
        {51605, "실행값", "Execution value"},
        {51610, "상시", "Always"},
        {51611, "On상태", "While on"},
        {51612, "Off상태", "While off"},
        {51620, "1회", "Once"},
        {51621, "매일", "Daily"},
        {51622, "매주 ", "Weekly "},
        {51623, "매월", "Monthly"},
        {51630, "일", "Sun"},
        {51631, "월", "Mon"},
        {51632, "화", "Tue"},
        {51633, "수", "Wed"},
        {51634, "목", "Thu"},
        {51635, "금", "Fri"},
        {51636, "토", "Sat"},
        {51641, "%s%s 요일", "%s%s"},
        {51650, "요일이 선택되지 않았습니다. 하나이상 선택해야 합니다.",
         "No weekday is selected. Select at least one."},
        {51700, "200%", "200%"},
        {51701, "100%", "100%"},
        {51702, "50%", "50%"},
        {51703, "맞춤", "Fit"},
        {51800, "사용자", "User"},
        {51801, "램프/버튼", "Lamp/button"},
        {51802, "회전", "Rotation"},
        {51803, "이동", "Move"},
        {51810, "화일이름이 입력되지 않았습니다. 확인하시기 바랍니다.",
         "No file name was entered. Please check."},
        {51811, "같은 ID의 이미지가 이미 존재합니다. 덮어쓰시겠습니까?",
         "An image with the same ID already exists. Do you want to overwrite it?"},
        {51812, "참조갯수", "Reference count"},
        {51813, "파일이 비트맵 파일이 아닙니다.", "The file is not a bitmap file."},
        {51814,
         "이미지가 너무 커서 미리보기를 할 수 없습니다. 가능한 최대 이미지사이즈는 %d(w) x %d(h) "
         "입니다.",
         "The image is too large to preview. The largest possible image size is %d(w) x %d(h)."},
        {51815, "선택된 이미지를 삭제하시겠습니까?", "Do you want to delete the selected image?"},
        {51816, "화면이름", "Screen name"},
        {51817, "번호", "Number"},
        {51900, "사용안함", "Not used"},
        {51901, "비트제어", "Bit control"},
        {51902, "값 설정", "Value set"},
        {51903, "값 증가", "Value increase"},
        {51904, "값 감소", "Value decrease"},
        {51905, "화면전환", "Screen change"},
        {51910, "기능키", "Function key"},
        {51911, "상(▲)", "Up(▲)"},
        {51912, "하(▼)", "Down(▼)"},
        {51913, "좌(◀)", "Left(◀)"},
        {51914, "우(▶)", "Right(▶)"},
        {51915, "현재 설정한 값들은 모든 화면에 동일하게 적용됩니다.\n계속하시겠습니까?",
         "The values set now will be applied to all screens in the same way.\nDo you want to "
         "continue?"},
        {51916, "값 입력", "Value"},
        {52000, "프로젝트명이 입력되지 않았습니다. 확인하시기 바랍니다.",
         "No project name was entered. Please check."},
        {52001, "이 파일을 읽을 수 없습니다.\n이 프로그램과 호환되는 파일인지 확인하시기 바랍니다.",
         "This file cannot be read.\nCheck that the file is compatible with this program."},
        {52002,
         "이 파일을 읽을 수 없습니다.\n이 파일은 버전[%d.%02d]이상의 프로그램에서만 읽을 수 "
         "있습니다. 확인하시기 바랍니다.",
         "This file cannot be read.\nThis file can be read only by version [%d.%02d] or later of "
         "the program. Please check."},
        {52100, "슬레이브 번호:", "Remote station:"},
        {52101, "미사용", "Unused"},
        {52102, "등록된 마스터 국번호에서 자국번호는 삭제할 수 없습니다.",
         "The own station number cannot be removed from the registered master stations."},
        {52103, "선택된 PLC는 현재 설정되어 있는 PLC 타입과 다릅니다.\n\n변경하시겠습니까?",
         "The selected PLC differs from the PLC type currently set.\n\nDo you want to change it?"},
        {52104, "새 PLC가 받아들이지 않는 주소 %d개를 그 PLC의 기본 주소로 바꾸었습니다.",
         "%d address(es) the new PLC does not accept were reset to its default address."},
        {52200, "스크린 이름의 길이가 올바르지 않습니다. 확인하시기 바랍니다.",
         "The length of the screen name is not valid. Please check."},
        {52201, "같은 ID를 가진 스크린이 이미 존재합니다. ID를 변경하시기 바랍니다.",
         "A screen with the same ID already exists. Please change the ID."},
        {52202, "화면번호", "Screen number"},
        {52300, "ID가 범위를 벗어났습니다. 확인하시기 바랍니다.",
         "The ID is out of range. Please check."},
        {52301, "더 이상 태그를 추가할 수 없습니다. 최대 입력가능한 태그의 갯수를 초과했습니다.",
         "No more tags can be added. The maximum number of tags has been exceeded."},
        {52302, "메모리가 모두 찼습니다.  더이상 추가할 수 없습니다. ",
         "The memory is full. Nothing more can be added. "},
        {52303,
         "선택된 태그들간의 공간이 없으므로 균등 분할 할 수 없습니다. 다시 선택하시기 바랍니다.",
         "There is no space between the selected tags, so they cannot be distributed evenly. "
         "Please select again."},
        {52350, "유효하지 않은 주소입력입니다. 확인후 다시 입력하시기 바랍니다.",
         "The address entered is not valid. Please check it and enter it again."},
        {52351,
         "입력한 주소 %s는 %s 또는 %s(으)로 읽힐 수 있습니다. 영역을 앞에 붙여 %s 또는 %s처럼 "
         "입력하시기 바랍니다.",
         "The address %s can be read as %s or as %s. Type the area in front of the number, as %s "
         "or %s."},
        {52500, "점", "Dots"},
        {52501, "실선", "Solid line"},
        {52502, "점선", "Dotted line"},
        {52600, "메시지 정의가 올바르지 않습니다. 확인하시기 바랍니다.",
         "The message definition is not valid. Please check."},
        {52601, "값 입력이 잘못되었습니다. 확인하시기 바랍니다.",
         "The value entered is wrong. Please check."},
        {52602, "값이 중복되었습니다. 확인하시기 바랍니다.",
         "The value is a duplicate. Please check."},
        {52603, "해당 아이디를 가진 스크린이 이미 등록되어 있습니다",
         "A screen with this ID is already registered"},
        {52604, "현재 편집을 위한 스크린이 존재하지 않습니다", "There is no screen to edit"},
        {52606, "선택된 문자열이 없습니다. 문자열을 선택하시기 바랍니다.",
         "No string is selected. Please select a string."},
        {52607, "해당 아이디를 가진 문자열이 이미 등록되어 있습니다",
         "A string with this ID is already registered"},
        {52609, "값", "Value"},
        {52610, "메시지", "Message"},
        {52613, "문자열이 입력되지 않았습니다. 확인하시기 바랍니다.",
         "No string was entered. Please check."},
        {52614, "입력한 ID가 등록되어 있지 않습니다. 등록후 입력해야 합니다.",
         "The ID entered is not registered. Register it before entering it."},
        {52630,
         "태그가 표시 영역(%d × %d)을 벗어납니다.\n태그의 크기는 %d × %d, 위치는 (%d, %d)입니다. "
         "위치나 크기를 고치시기 바랍니다.",
         "The tag does not fit on the display (%d × %d).\nThe tag is %d × %d at (%d, %d). Change "
         "its position or size."},
        {52631, "데이터 크기는 1 ~ %d 워드 사이로 입력하시기 바랍니다.",
         "Enter a data size between 1 and %d words."},
        {52632,
         "패널 언어의 글자가 아닌 문자가 있어 입력할 수 없습니다. 패널 언어는 프로젝트 설정에서 "
         "정합니다.",
         "The text holds characters the panel language cannot show. The panel language is set in "
         "the project settings."},
        {52633, "텍스트는 %d바이트까지 입력할 수 있습니다. (입력한 텍스트: %d바이트)",
         "A text holds at most %d bytes (this one takes %d)."},
        {52634,
         "국번 목록 파일이 아닙니다.[%s]\n[MasterStation] 섹션의 StationList 항목이 없습니다.",
         "This is not a station list file.[%s]\nIt has no StationList entry in a [MasterStation] "
         "section."},
        {52635, "이 글꼴은 패널 이미지에 쓸 수 없습니다. 다른 글꼴을 선택하십시오.",
         "This font cannot be used for the panel image. Choose another font."},
        {52640, "값을 읽을 수 없습니다.", "The value cannot be read."},
        {52641, "값이 입력 범위를 벗어났습니다.", "The value is outside the entry range."},
        {52642, "값이 입력 범위(%s ~ %s)를 벗어났습니다.",
         "The value is outside the entry range (%s to %s)."},
        {52643, "암호가 맞지 않습니다.", "Wrong password."},
        {52644, "그런 화면이 없습니다.", "There is no such screen."},
        {53020, "X", "X"},
        {53021, "Y", "Y"},
        {53022, "채널", "Channel"},
        {53023, "국번", "Station"},
        {53024, "주소값", "Address"},
        {53029, "암호 사용", "Password"},
        {53032, "크기", "Size"},
        {53033, "진법", "Radix"},
        {53038, "부호", "Signed"},
        {53048, "반전", "Toggle"},
        {53049, "누르는 동안 On", "On while pressed"},
        {53800, "통신 포트를 열 수 없습니다.[%s]\n%s",
         "The communication port cannot be opened.[%s]\n%s"},
        {53801,
         "장치가 없습니다. 케이블이나 USB 변환기가 연결되어 있는지, 포트에 맞는 장치 파일이 "
         "설정되어 있는지 확인하십시오.",
         "No such device. Check that the cable or the USB adapter is connected and that the port "
         "is set to the right device file."},
        {53802,
         "장치에 접근할 권한이 없습니다. 사용자를 dialout 그룹에 추가한 후(sudo usermod -aG "
         "dialout 사용자이름) 다시 로그인하십시오.",
         "Permission denied. Add the user to the dialout group (sudo usermod -aG dialout <user>) "
         "and log in again."},
        {53803,
         "다른 프로그램이 이 포트를 사용하고 있습니다. 그 프로그램을 끝낸 후 다시 시도하십시오.",
         "The port is busy: another program is using it. Close that program and try again."},
        {53804, "시리얼 포트가 아닙니다. 포트에 맞는 장치 파일을 설정하십시오.",
         "The device is not a serial port. Set the port to the right device file."},
        {53805, "시스템 오류: %s", "System error: %s"},
        {53810, "폰트 파일(*.BMA)이 아니므로 다운로드할 수 없습니다.[%s]",
         "The file is not a font file (*.BMA) and cannot be downloaded.[%s]"},
        {53811, "폰트를 다운로드했습니다.[%s]", "The font was downloaded.[%s]"},
        {53830,
         "%s [%s] %s=%s: 프로그램은 항목을 %s개까지만 다룰 수 있으므로 그 이후의 항목은 읽지 "
         "않습니다.",
         "%s [%s] %s=%s: the program holds at most %s entries; no entry after those is read."},
        {53831, "%s [%s] %s=%s: 항목의 개수가 아니므로 항목을 읽지 않습니다.",
         "%s [%s] %s=%s is no number of entries; no entry is read."},
        {53832, "%s [%s] %s=%s: 프로그램이 다룰 수 있는 크기는 %s ~ %s이므로 %s을(를) 사용합니다.",
         "%s [%s] %s=%s: the program takes sizes from %s to %s only; %s is used instead."},
        {53833,
         "PLC 목록 파일이 없습니다.[%s]\n두 채널 모두 PLC 타입을 선택할 수 없고, 프로젝트의 PLC "
         "주소를 읽을 수 없습니다.",
         "The PLC list file is missing.[%s]\nNo PLC type can be chosen on either channel, and the "
         "PLC addresses of a project cannot be read."},
        {53834,
         "PLC 목록 파일에 PLC 타입이 없습니다.[%s]\n두 채널 모두 PLC 타입을 선택할 수 없고, "
         "프로젝트의 PLC 주소를 읽을 수 없습니다.",
         "The PLC list file lists no PLC type.[%s]\nNo PLC type can be chosen on either channel, "
         "and the PLC addresses of a project cannot be read."},
        {53835,
         "PLC 목록 파일의 항목이 잘못되었습니다.[%s]\n[%s] %s=%s (\"PLC 이름,PLC 타입\"이 "
         "아닙니다)\n두 채널의 PLC 목록을 모두 비우므로 PLC 타입을 선택할 수 없고, 프로젝트의 PLC "
         "주소를 읽을 수 없습니다.",
         "An entry of the PLC list file is wrong.[%s]\n[%s] %s=%s (not \"PLC name,PLC type\")\nThe "
         "PLC lists of both channels are left empty: no PLC type can be chosen, and the PLC "
         "addresses of a project cannot be read."},
        {53836,
         "PLC 드라이버를 읽을 수 없습니다.[%s: %s]\n%s\n이 PLC 타입을 쓰는 채널에는 드라이버가 "
         "없으므로 PLC 주소가 패널 자체의 규칙으로만 확인됩니다. 드라이버 파일을 다시 "
         "설치하십시오.",
         "The PLC driver cannot be loaded.[%s: %s]\n%s\nA channel of this PLC type has no driver: "
         "its addresses are checked by the panel's own rules only. Install the driver file again."},
        {53837, "파일이 없거나 읽을 수 없습니다.", "The file is missing or cannot be read."},
        {53838, "이 컴퓨터에서 실행할 수 있는 라이브러리 파일이 아닙니다.",
         "The file is no library this computer can run."},
        {53839, "파일이 잘렸습니다. (%s바이트, 필요한 크기 %s바이트)",
         "The file is cut short: %s bytes where %s are needed."},
        {53840, "파일이 너무 큽니다. (최대 %s바이트)", "The file is too large (at most %s bytes)."},
        {53850, "%s에서 %s 사이의 정수를 입력하십시오.", "Enter an integer between %s and %s."},
        {53851, "최소값은 최대값보다 클 수 없습니다.", "The minimum must not exceed the maximum."},
    {53860, "파일: %s", "File: %s"},
    {53861, "파일이 없습니다.", "The file does not exist."},
    {53862, "파일을 읽을 권한이 없습니다.", "You have no permission to read the file."},
    {53863, "파일이 아니라 폴더입니다.", "It is a folder, not a file."},
    {53864, "프로젝트 파일이 아닙니다.", "It is not a project file."},
    {53865, "파일이 잘렸습니다: %s바이트이지만 머리말은 %s바이트라고 합니다.",
     "The file is cut short: it has %s bytes where its header gives %s."},
    {53866, "파일이 %s번째 바이트에서 손상되었습니다.", "The file is damaged at byte %s."},
    {53867, "프로젝트 파일로 읽기에는 너무 큽니다. (최대 %s바이트)",
     "It is too large for a project file (at most %s bytes)."},
        {53900, "화면 %s 태그 %s (%s, %s)", "screen %s, tag %s (%s at %s)"},
        {53901, "화면 %s %s", "screen %s, %s"},
        {53902, "경보 %s", "alarm %s"},
        {53903, "연산 %s %s", "calculation %s, %s"},
        {53904, "블록통신 %s %s", "block transfer %s, %s"},
        {53905, "예약 %s %s", "reservation %s, %s"},
        {53906, "환경 설정 %s", "panel settings, %s"},
        {53910, "주소", "address"},
        {53911, "X 주소", "x address"},
        {53912, "Y 주소", "y address"},
        {53913, "대상", "target"},
        {53914, "피연산자1", "operand 1"},
        {53915, "피연산자2", "operand 2"},
        {53916, "결과", "result"},
        {53917, "시작 조건", "start condition"},
        {53918, "PLC", "PLC"},
        {53919, "패널", "panel"},
        {53920, "화면 전환 주소", "screen change word"},
        {53921, "화면 번호 주소", "screen number word"},
        {53922, "표시", "shows"},
        {53930, "주소 범위 %s를 읽을 수 없습니다.", "The address range %s cannot be read."},
        {53931, "%s를 %s(으)로 바꿀 수 없습니다: 드라이버가 받지 않습니다. (%s)",
         "%s cannot become %s: the driver refuses it (%s)."},
        {53932, "%s 범위의 주소를 쓰는 곳이 없습니다.", "No address in %s is used."},
        {53933, "계획한 뒤 프로젝트가 바뀌었으므로 아무것도 바꾸지 않았습니다.",
         "The project changed after the replace was planned; nothing was changed."},
        {53934, "주소 %s개를 바꿀 수 없으므로 아무것도 바꾸지 않았습니다.",
         "%s addresses cannot be replaced, so nothing was changed."},
        {53935, "드라이버가 새 주소 %s개를 받지 않습니다. 그 주소는 그대로 두고 나머지 %s개를 바꾸시겠습니까?",
         "The driver refuses %s of the new addresses. Leave those as they are and change the other %s?"},
        {53936, "바꿀 주소나 주소 범위를 입력하십시오.", "Enter the address or range to replace."},
        {53950, "CSV %s행: 따옴표로 시작한 값이 닫히지 않았습니다.",
         "CSV row %s: a quoted value is not closed."},
        {53951, "CSV 파일에 %s 열이 없습니다.", "The CSV file has no column %s."},
        {53952, "CSV %s행 %s열: 번호 %s인 항목이 없습니다.",
         "CSV row %s, column %s: there is no entry number %s."},
        {53953, "CSV %s행 %s열: 패널의 코드 페이지(%s)로 쓸 수 없는 글자가 있습니다.",
         "CSV row %s, column %s: the text cannot be written in the panel's code page (%s)."},
        {53954, "CSV %s행 %s열: %s바이트이며 최대 %s바이트입니다.",
         "CSV row %s, column %s: the text takes %s bytes, at most %s fit."},
        {53955, "CSV %s행 %s열: 드라이버가 주소 %s를 받지 않습니다.",
         "CSV row %s, column %s: the driver refuses the address %s."},
        {53956, "CSV %s행 %s열: 잘못된 값입니다. (%s)",
         "CSV row %s, column %s: %s is not valid here."},
        {53957, "CSV %s행: 화면 %s에 태그 %s가 없습니다.", "CSV row %s: screen %s has no tag %s."},
        {53958, "메시지가 %s바이트가 되어 메시지 영역(%s바이트)을 넘습니다.",
         "The messages would take %s bytes, more than the message area's %s."},
        {53959, "CSV %s행 %s열: %s이(가) 두 번 나옵니다.",
         "CSV row %s, column %s: %s comes twice."},
        {53960, "알 수 없는 표입니다: %s (tags, alarms, messages)",
         "Unknown table: %s (tags, alarms, messages)."},
        {53961, "%s를 쓰는 곳이 없습니다.", "Nothing in the project uses %s."},
};

std::atomic<std::uint16_t> g_language{0x0412};

const Entry *find(int id)
{
    const auto it = std::lower_bound(std::begin(kMessages), std::end(kMessages), id,
                                     [](const Entry &e, int key) { return e.id < key; });
    return it != std::end(kMessages) && it->id == id ? &*it : nullptr;
}

} // namespace

std::string_view messageText(int id, std::uint16_t resourceLangId)
{
    const Entry *e = find(id);
    if (!e)
        return {};
    return resourceLangId == kResEnglish ? e->english : e->korean;
}

bool hasMessage(int id)
{
    return find(id) != nullptr;
}

void setMessageLanguage(std::uint16_t resourceLangId)
{
    g_language = resourceLangId;
}

std::uint16_t messageLanguage()
{
    return g_language;
}

std::string_view messageText(int id)
{
    return messageText(id, g_language);
}

std::string vformatText(const char *format, std::va_list args)
{
    std::va_list copy;
    va_copy(copy, args);
    const int n = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (n <= 0)
        return {};
    std::vector<char> buffer(std::size_t(n) + 1);
    std::vsnprintf(buffer.data(), buffer.size(), format, args);
    return std::string(buffer.data(), std::size_t(n));
}

std::string formatText(const char *format, ...)
{
    std::va_list args;
    va_start(args, format);
    std::string s = vformatText(format, args);
    va_end(args);
    return s;
}

std::string formatMessage(int id, ...)
{
    const std::string format(messageText(id));
    std::va_list args;
    va_start(args, id);
    std::string s = vformatText(format.c_str(), args);
    va_end(args);
    return s;
}

} // namespace util
