<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>CReportRenderer</name>
    <message>
        <source>프로젝트 개요</source>
        <translation>Project overview</translation>
    </message>
    <message>
        <source>프로젝트 파일</source>
        <translation>Project file</translation>
    </message>
    <message>
        <source>날짜</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>패널 언어</source>
        <translation>Panel language</translation>
    </message>
    <message>
        <source>채널 1</source>
        <translation>Channel 1</translation>
    </message>
    <message>
        <source>채널 2</source>
        <translation>Channel 2</translation>
    </message>
    <message>
        <source>PLC 종류</source>
        <translation>PLC type</translation>
    </message>
    <message>
        <source>자국 번호</source>
        <translation>Own station</translation>
    </message>
    <message>
        <source>통신 속도</source>
        <translation>Baud rate</translation>
    </message>
    <message>
        <source>데이터 비트</source>
        <translation>Data bits</translation>
    </message>
    <message>
        <source>패리티</source>
        <translation>Parity</translation>
    </message>
    <message>
        <source>정지 비트</source>
        <translation>Stop bits</translation>
    </message>
    <message>
        <source>타임아웃</source>
        <translation>Time-out</translation>
    </message>
    <message>
        <source>통신구성</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>미사용</source>
        <translation>Unused</translation>
    </message>
    <message>
        <source>프로젝트 보고서</source>
        <translation>Project report</translation>
    </message>
    <message>
        <source>메모리</source>
        <translation>Memory</translation>
    </message>
    <message>
        <source>화면 영역</source>
        <translation>Screen area</translation>
    </message>
    <message>
        <source>문자열 영역</source>
        <translation>String area</translation>
    </message>
    <message>
        <source>이미지 영역</source>
        <translation>Image area</translation>
    </message>
    <message>
        <source>화면</source>
        <translation>Screen</translation>
    </message>
    <message>
        <source>번호</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>이름</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>이전 화면</source>
        <translation>Previous screen</translation>
    </message>
    <message>
        <source>다음 화면</source>
        <translation>Next screen</translation>
    </message>
    <message>
        <source>배경 이미지</source>
        <translation>Background image</translation>
    </message>
    <message>
        <source>암호</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>기능키</source>
        <translation>Function keys</translation>
    </message>
    <message>
        <source>태그</source>
        <translation>Tags</translation>
    </message>
    <message>
        <source>종류</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>위치</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>크기</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>채널</source>
        <translation>Channel</translation>
    </message>
    <message>
        <source>국번</source>
        <translation>Station</translation>
    </message>
    <message>
        <source>주소</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>데이터 크기</source>
        <translation>Data size</translation>
    </message>
    <message>
        <source>진법</source>
        <translation>Base</translation>
    </message>
    <message>
        <source>범위</source>
        <translation>Limits</translation>
    </message>
    <message>
        <source>메시지/이미지</source>
        <translation>Messages/images</translation>
    </message>
    <message>
        <source>연산</source>
        <translation>Calculations</translation>
    </message>
    <message>
        <source>예약</source>
        <translation>Reservations</translation>
    </message>
    <message>
        <source>메시지 목록</source>
        <translation>Message list</translation>
    </message>
    <message>
        <source>사용된 시스템 메모리</source>
        <translation>Used system memory</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>내용</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>참조 수</source>
        <translation>References</translation>
    </message>
    <message>
        <source>그림</source>
        <translation>Picture</translation>
    </message>
    <message>
        <source>사용</source>
        <translation>Used</translation>
    </message>
    <message>
        <source>남음</source>
        <translation>Free</translation>
    </message>
    <message>
        <source>공통 기능</source>
        <translation>Common functions</translation>
    </message>
    <message>
        <source>상대국 번호</source>
        <translation>Remote station</translation>
    </message>
    <message>
        <source>경보</source>
        <translation>Alarms</translation>
    </message>
    <message>
        <source>교차 참조</source>
        <translation>Cross-Reference</translation>
    </message>
    <message>
        <source>읽기/쓰기</source>
        <translation>R/W</translation>
    </message>
    <message>
        <source>사용처</source>
        <translation>Users</translation>
    </message>
    <message>
        <source>블록통신</source>
        <translation>Block transfers</translation>
    </message>
    <message>
        <source>등록된 이미지</source>
        <translation>Registered images</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>태그 만들기</source>
        <translation>Create tag</translation>
    </message>
    <message>
        <source>태그 복사 이동</source>
        <translation>Copy and move tags</translation>
    </message>
    <message>
        <source>크기 변경</source>
        <translation>Resize</translation>
    </message>
    <message>
        <source>경보</source>
        <translation>Alarms</translation>
    </message>
    <message>
        <source>연산</source>
        <translation>Calculations</translation>
    </message>
    <message>
        <source>블록통신</source>
        <translation>Block Transfers</translation>
    </message>
    <message>
        <source>예약</source>
        <translation>Reservations</translation>
    </message>
</context>
<context>
    <name>ports::CPortChooser</name>
    <message>
        <source>포트 선택 - %1</source>
        <translation>Choose the port - %1</translation>
    </message>
    <message>
        <source>새로 고침(&amp;R)</source>
        <translation>&amp;Refresh</translation>
    </message>
    <message>
        <source>연결된 장치(&amp;L):</source>
        <translation>Connected &amp;devices:</translation>
    </message>
    <message>
        <source>%1의 장치 경로(&amp;T):</source>
        <translation>Device &amp;path of %1:</translation>
    </message>
    <message>
        <source>직렬 장치를 찾지 못했습니다</source>
        <translation>No serial device found</translation>
    </message>
</context>
<context>
    <name>ui::CAboutDialog</name>
    <message>
        <source>Dorvane 정보</source>
        <translation>About Dorvane</translation>
    </message>
    <message>
        <source>&lt;b&gt;Dorvane&lt;/b&gt; 버전 %1</source>
        <translation>&lt;b&gt;Dorvane&lt;/b&gt; version %1</translation>
    </message>
    <message>
        <source>192x64 단색 운영 패널의 화면 편집기</source>
        <translation>Screen editor for 192x64 monochrome operator panels</translation>
    </message>
    <message>
        <source>프로그램 폴더: %1</source>
        <translation>Program folder: %1</translation>
    </message>
    <message>
        <source>사용자 데이터 폴더: %1</source>
        <translation>User data folder: %1</translation>
    </message>
    <message>
        <source>라이브러리</source>
        <translation>Library</translation>
    </message>
    <message>
        <source>라이선스</source>
        <translation>Licence</translation>
    </message>
    <message>
        <source>사용 프로그램</source>
        <translation>Used by</translation>
    </message>
    <message>
        <source>사용한 라이브러리</source>
        <translation>Libraries used</translation>
    </message>
    <message>
        <source>사용한 라이브러리와 그 라이선스:</source>
        <translation>Libraries used and their licences:</translation>
    </message>
</context>
<context>
    <name>ui::CAddrGroupBox</name>
    <message>
        <source>주소...</source>
        <translation>Address...</translation>
    </message>
</context>
<context>
    <name>ui::CAddressReplaceDialog</name>
    <message>
        <source>주소 바꾸기</source>
        <translation>Replace Addresses</translation>
    </message>
    <message>
        <source>현재 주소</source>
        <translation>Address now</translation>
    </message>
    <message>
        <source>새 주소</source>
        <translation>New address</translation>
    </message>
    <message>
        <source>사용처</source>
        <translation>User</translation>
    </message>
    <message>
        <source>상태</source>
        <translation>State</translation>
    </message>
    <message>
        <source>미리보기(&amp;V):</source>
        <translation>Pre&amp;view:</translation>
    </message>
    <message>
        <source>패널 메모리</source>
        <translation>Panel memory</translation>
    </message>
    <message>
        <source>채널 %1</source>
        <translation>Channel %1</translation>
    </message>
    <message>
        <source>D100 또는 D100-D199</source>
        <translation>D100 or D100-D199</translation>
    </message>
    <message>
        <source>새 시작 주소(&amp;N):</source>
        <translation>&amp;New start:</translation>
    </message>
    <message>
        <source>새 시작 주소</source>
        <translation>New start</translation>
    </message>
    <message>
        <source>오프셋(&amp;O):</source>
        <translation>&amp;Offset:</translation>
    </message>
    <message>
        <source>오프셋</source>
        <translation>Offset</translation>
    </message>
    <message>
        <source>바꿀 주소(&amp;F):</source>
        <translation>&amp;From:</translation>
    </message>
    <message>
        <source>채널(&amp;C):</source>
        <translation>&amp;Channel:</translation>
    </message>
    <message>
        <source>국번(&amp;S):</source>
        <translation>&amp;Station:</translation>
    </message>
    <message>
        <source>바꿀 사용처</source>
        <translation>Change in</translation>
    </message>
    <message>
        <source>태그(&amp;T)</source>
        <translation>&amp;Tags</translation>
    </message>
    <message>
        <source>기능 키(&amp;K)</source>
        <translation>Function &amp;keys</translation>
    </message>
    <message>
        <source>경보(&amp;A)</source>
        <translation>&amp;Alarms</translation>
    </message>
    <message>
        <source>연산(&amp;L)</source>
        <translation>Ca&amp;lculations</translation>
    </message>
    <message>
        <source>블록통신(&amp;B)</source>
        <translation>&amp;Block transfers</translation>
    </message>
    <message>
        <source>예약(&amp;R)</source>
        <translation>&amp;Reservations</translation>
    </message>
    <message>
        <source>파라미터(&amp;P)</source>
        <translation>&amp;Parameters</translation>
    </message>
    <message>
        <source>(전체)</source>
        <translation>(all)</translation>
    </message>
    <message>
        <source>거부</source>
        <translation>refused</translation>
    </message>
    <message>
        <source>바뀜</source>
        <translation>changed</translation>
    </message>
    <message>
        <source>%1곳이 바뀝니다.</source>
        <translation>%1 places change.</translation>
    </message>
    <message>
        <source>%1곳이 바뀌고, 드라이버가 받지 않는 %2곳은 그대로 남습니다.</source>
        <translation>%1 places change; %2 that the driver refuses stay as they are.</translation>
    </message>
    <message>
        <source>바꿀 주소나 범위와 새 시작 주소(또는 오프셋)를 입력하면 바뀌는 곳이 여기에 나옵니다.</source>
        <translation>Enter an address or range and its new start (or an offset): the places that change are listed here.</translation>
    </message>
</context>
<context>
    <name>ui::CAlarmEditDialog</name>
    <message>
        <source>경보 편집</source>
        <translation>Edit Alarm</translation>
    </message>
    <message>
        <source>경보메시지(&amp;M):</source>
        <translation>Alarm &amp;message:</translation>
    </message>
    <message>
        <source>설정시간 동안 울리기</source>
        <translation>Sound for the set time</translation>
    </message>
    <message>
        <source>계속 울리기</source>
        <translation>Sound continuously</translation>
    </message>
    <message>
        <source>초</source>
        <translation>seconds</translation>
    </message>
    <message>
        <source>화면에서 계속 보여주기</source>
        <translation>Keep showing on the screen</translation>
    </message>
    <message>
        <source>화면에서 안 보여주기</source>
        <translation>Do not show on the screen</translation>
    </message>
</context>
<context>
    <name>ui::CAlarmHistDialog</name>
    <message>
        <source>경보 이력</source>
        <translation>Alarm history</translation>
    </message>
    <message>
        <source>데이터베이스:</source>
        <translation>Database:</translation>
    </message>
    <message>
        <source>파일 변경...</source>
        <translation>Change file...</translation>
    </message>
    <message>
        <source>발생시간</source>
        <translation>Occurred</translation>
    </message>
    <message>
        <source>해제시간</source>
        <translation>Cleared</translation>
    </message>
    <message>
        <source>경보메시지</source>
        <translation>Alarm message</translation>
    </message>
    <message>
        <source>업로드(&amp;U)</source>
        <translation>&amp;Upload</translation>
    </message>
    <message>
        <source>저장(&amp;S)</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>검색(&amp;F)</source>
        <translation>&amp;Find</translation>
    </message>
    <message>
        <source>닫기</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>파일 변경</source>
        <translation>Change file</translation>
    </message>
    <message>
        <source>Dorvane Alarm History (*.mdb);;All Files (*.*)</source>
        <translation>Dorvane Alarm History (*.mdb);;All Files (*.*)</translation>
    </message>
    <message>
        <source>삭제(&amp;D)</source>
        <translation>&amp;Delete</translation>
    </message>
</context>
<context>
    <name>ui::CAlarmSearchDialog</name>
    <message>
        <source>경보 검색 범위</source>
        <translation>Alarm search range</translation>
    </message>
    <message>
        <source>날짜(&amp;D)</source>
        <translation>&amp;Date</translation>
    </message>
    <message>
        <source>시작(&amp;T):</source>
        <translation>S&amp;tart:</translation>
    </message>
    <message>
        <source>종료(&amp;E):</source>
        <translation>&amp;End:</translation>
    </message>
    <message>
        <source>경보 메시지(&amp;A)</source>
        <translation>&amp;Alarm message</translation>
    </message>
    <message>
        <source>경보 메시지</source>
        <translation>Alarm message</translation>
    </message>
    <message>
        <source>저장된 메시지(&amp;S):</source>
        <translation>&amp;Stored messages:</translation>
    </message>
</context>
<context>
    <name>ui::CBitmapTagDialog</name>
    <message>
        <source>이미지 속성</source>
        <translation>Image Properties</translation>
    </message>
    <message>
        <source>이미지</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>크기 (폭 x 높이)(&amp;S):</source>
        <translation>&amp;Size (width x height):</translation>
    </message>
    <message>
        <source>이미지 변경(&amp;C)...</source>
        <translation>&amp;Change image...</translation>
    </message>
    <message>
        <source>확대(&amp;E)</source>
        <translation>&amp;Enlarge</translation>
    </message>
    <message>
        <source>색 반전(&amp;I)</source>
        <translation>&amp;Invert colours</translation>
    </message>
    <message>
        <source>I&amp;D:</source>
        <translation>I&amp;D:</translation>
    </message>
</context>
<context>
    <name>ui::CBmpTextTagDialog</name>
    <message>
        <source>폰트 선택</source>
        <translation>Choose Font</translation>
    </message>
    <message>
        <source>이미지 텍스트 속성</source>
        <translation>Image Text Properties</translation>
    </message>
    <message>
        <source>폰트 선택(&amp;F)...</source>
        <translation>Choose &amp;Font...</translation>
    </message>
    <message>
        <source>미리보기</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>표시방향</source>
        <translation>Display Direction</translation>
    </message>
</context>
<context>
    <name>ui::CButtonTagDialog</name>
    <message>
        <source>버튼 속성</source>
        <translation>Button Properties</translation>
    </message>
    <message>
        <source>동작</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>O&amp;ff</source>
        <translation>O&amp;ff</translation>
    </message>
    <message>
        <source>&amp;On</source>
        <translation>&amp;On</translation>
    </message>
    <message>
        <source>반전(&amp;T)</source>
        <translation>&amp;Toggle</translation>
    </message>
    <message>
        <source>누르는 동안 On(&amp;P)</source>
        <translation>On while &amp;pressed</translation>
    </message>
    <message>
        <source>암호 사용(&amp;U)</source>
        <translation>&amp;Use password</translation>
    </message>
</context>
<context>
    <name>ui::CCalcEditDialog</name>
    <message>
        <source>연산 편집</source>
        <translation>Edit Calculation</translation>
    </message>
    <message>
        <source>연산대상 1</source>
        <translation>Operand 1</translation>
    </message>
    <message>
        <source>연산대상 2</source>
        <translation>Operand 2</translation>
    </message>
    <message>
        <source>상수</source>
        <translation>Constant</translation>
    </message>
    <message>
        <source>상수 값</source>
        <translation>constant value</translation>
    </message>
    <message>
        <source>기동주소</source>
        <translation>Start address</translation>
    </message>
    <message>
        <source>기동조건(&amp;C):</source>
        <translation>Start &amp;condition:</translation>
    </message>
    <message>
        <source>연산자(&amp;O):</source>
        <translation>&amp;Operator:</translation>
    </message>
    <message>
        <source>결과주소</source>
        <translation>Result address</translation>
    </message>
    <message>
        <source>데이터</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>표시형식</source>
        <translation>Display format</translation>
    </message>
    <message>
        <source>부호</source>
        <translation>Signed</translation>
    </message>
</context>
<context>
    <name>ui::CChannelChoiceRow</name>
    <message>
        <source>채널 %1 PLC %2(&amp;%1):</source>
        <translation>Channel %1 PLC %2(&amp;%1):</translation>
    </message>
    <message>
        <source>통신설정</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>결선도</source>
        <translation>Wiring</translation>
    </message>
    <message>
        <source>채널 %1 통신설정</source>
        <translation>Channel %1 settings</translation>
    </message>
    <message>
        <source>채널 %1 결선도</source>
        <translation>Channel %1 wiring diagram</translation>
    </message>
</context>
<context>
    <name>ui::CCircleTagDialog</name>
    <message>
        <source>원 속성</source>
        <translation>Circle Properties</translation>
    </message>
    <message>
        <source>크기</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>반지름(&amp;R):</source>
        <translation>&amp;Radius:</translation>
    </message>
    <message>
        <source>모양</source>
        <translation>Style</translation>
    </message>
</context>
<context>
    <name>ui::CClockTagDialog</name>
    <message>
        <source>시계 속성</source>
        <translation>Clock Properties</translation>
    </message>
    <message>
        <source>시계</source>
        <translation>Clock</translation>
    </message>
    <message>
        <source>표시형식(&amp;F):</source>
        <translation>Display &amp;format:</translation>
    </message>
    <message>
        <source>색 반전(&amp;I)</source>
        <translation>&amp;Invert colours</translation>
    </message>
    <message>
        <source>테두리(&amp;B)</source>
        <translation>&amp;Border</translation>
    </message>
    <message>
        <source>글꼴</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>작은 글꼴(&amp;S)</source>
        <translation>&amp;Small font</translation>
    </message>
    <message>
        <source>보통 글꼴(&amp;N)</source>
        <translation>&amp;Normal font</translation>
    </message>
    <message>
        <source>큰 글꼴(&amp;L)</source>
        <translation>&amp;Large font</translation>
    </message>
</context>
<context>
    <name>ui::CComPortDialog</name>
    <message>
        <source>Velmar Panel 연결 포트 변경</source>
        <translation>Change Velmar Panel Connection Port</translation>
    </message>
    <message>
        <source>연결 포트(&amp;P):</source>
        <translation>&amp;Port:</translation>
    </message>
    <message>
        <source>통신 속도(&amp;S):</source>
        <translation>&amp;Speed:</translation>
    </message>
    <message>
        <source>결선도 보기...</source>
        <translation>View wiring diagram...</translation>
    </message>
</context>
<context>
    <name>ui::CCommBasicDialog</name>
    <message>
        <source>파라미터 설정</source>
        <translation>Parameter Settings</translation>
    </message>
    <message>
        <source>온라인 화면전환(HMI&lt;-PLC)</source>
        <translation>Online screen change (HMI&lt;-PLC)</translation>
    </message>
    <message>
        <source>현재화면번호 전송(HMI-&gt;PLC)</source>
        <translation>Current screen transfer (HMI-&gt;PLC)</translation>
    </message>
    <message>
        <source>초기화면 번호(&amp;I):</source>
        <translation>&amp;Initial screen number:</translation>
    </message>
    <message>
        <source>화면 보호기(&amp;V)</source>
        <translation>Screen sa&amp;ver</translation>
    </message>
    <message>
        <source> 분</source>
        <translation> min</translation>
    </message>
    <message>
        <source>대기시간(&amp;W):</source>
        <translation>&amp;Wait time:</translation>
    </message>
    <message>
        <source>전환화면(&amp;C):</source>
        <translation>Switch to s&amp;creen:</translation>
    </message>
    <message>
        <source>백라이트 꺼짐(&amp;K)</source>
        <translation>Bac&amp;klight off</translation>
    </message>
    <message>
        <source>대기시간:</source>
        <translation>Wait time:</translation>
    </message>
    <message>
        <source>백라이트 대기시간</source>
        <translation>Backlight wait time</translation>
    </message>
    <message>
        <source>Velmar Panel  메뉴(&amp;M):</source>
        <translation>Velmar Panel &amp;menu:</translation>
    </message>
    <message>
        <source>래치(&amp;L)</source>
        <translation>&amp;Latch</translation>
    </message>
    <message>
        <source>시작주소(&amp;S):</source>
        <translation>&amp;Start address:</translation>
    </message>
    <message>
        <source>끝주소(&amp;E):</source>
        <translation>&amp;End address:</translation>
    </message>
    <message>
        <source>주소 입력</source>
        <translation>Address entry</translation>
    </message>
    <message>
        <source>국  번:</source>
        <translation>Station:</translation>
    </message>
    <message>
        <source>주소값:</source>
        <translation>Address:</translation>
    </message>
</context>
<context>
    <name>ui::CCommParaDialog</name>
    <message>
        <source>통신 설정</source>
        <translation>Communication Settings</translation>
    </message>
    <message>
        <source>자국 번호(&amp;O):</source>
        <translation>&amp;Own station:</translation>
    </message>
    <message>
        <source>통신 속도(&amp;B):</source>
        <translation>&amp;Baud rate:</translation>
    </message>
    <message>
        <source>데이터 비트(&amp;D):</source>
        <translation>&amp;Data bits:</translation>
    </message>
    <message>
        <source>패리티(&amp;P):</source>
        <translation>&amp;Parity:</translation>
    </message>
    <message>
        <source>정지 비트(&amp;S):</source>
        <translation>&amp;Stop bits:</translation>
    </message>
    <message>
        <source>타임아웃(&amp;T):</source>
        <translation>&amp;Time-out:</translation>
    </message>
    <message>
        <source>통신구성(&amp;C):</source>
        <translation>&amp;Configuration:</translation>
    </message>
    <message>
        <source>마스터 국번호</source>
        <translation>Master stations</translation>
    </message>
    <message>
        <source>모두선택(&amp;A)</source>
        <translation>Select &amp;all</translation>
    </message>
    <message>
        <source>등록된 마스터 갯수:</source>
        <translation>Registered masters:</translation>
    </message>
    <message>
        <source>선택된 국번호 저장</source>
        <translation>Save selected stations</translation>
    </message>
    <message>
        <source>저장된 국번호 가져오기</source>
        <translation>Load saved stations</translation>
    </message>
    <message>
        <source>상대국 번호(&amp;R):</source>
        <translation>&amp;Remote station:</translation>
    </message>
    <message>
        <source>Master Station Files(*.ini);;All Files (*.*)</source>
        <translation>Master Station Files(*.ini);;All Files (*.*)</translation>
    </message>
</context>
<context>
    <name>ui::CDateTimeDialog</name>
    <message>
        <source>HMI 시계 설정</source>
        <translation>HMI clock setting</translation>
    </message>
    <message>
        <source>PC 시계:</source>
        <translation>PC clock:</translation>
    </message>
    <message>
        <source>HMI 시계:</source>
        <translation>HMI clock:</translation>
    </message>
    <message>
        <source>PC 시계(&amp;P)</source>
        <translation>Use the &amp;PC clock</translation>
    </message>
    <message>
        <source>아래 설정값(&amp;B)</source>
        <translation>Use the values &amp;below</translation>
    </message>
    <message>
        <source>날짜(&amp;D):</source>
        <translation>&amp;Date:</translation>
    </message>
    <message>
        <source>시간(&amp;M):</source>
        <translation>Ti&amp;me:</translation>
    </message>
    <message>
        <source>시간설정(&amp;S)</source>
        <translation>&amp;Set time</translation>
    </message>
    <message>
        <source>확인</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>ui::CDigitTagDialog</name>
    <message>
        <source>숫자 속성</source>
        <translation>Numeric Properties</translation>
    </message>
    <message>
        <source>디바이스</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>숫자</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>전체 자릿수(&amp;T):</source>
        <translation>&amp;Total digits:</translation>
    </message>
    <message>
        <source>소수점 이하 자릿수(&amp;P):</source>
        <translation>Decimal &amp;places:</translation>
    </message>
    <message>
        <source>진법:</source>
        <translation>Base:</translation>
    </message>
    <message>
        <source>부호 가능(&amp;G)</source>
        <translation>Si&amp;gned</translation>
    </message>
    <message>
        <source>데이터:</source>
        <translation>Data:</translation>
    </message>
    <message>
        <source>쓰기 가능(&amp;R)</source>
        <translation>W&amp;ritable</translation>
    </message>
    <message>
        <source>암호 사용(&amp;U)</source>
        <translation>&amp;Use password</translation>
    </message>
    <message>
        <source>입력:</source>
        <translation>Input:</translation>
    </message>
    <message>
        <source>모양</source>
        <translation>Appearance</translation>
    </message>
    <message>
        <source>색 반전(&amp;I)</source>
        <translation>&amp;Invert colours</translation>
    </message>
    <message>
        <source>0채움(&amp;Z)</source>
        <translation>&amp;Zero fill</translation>
    </message>
    <message>
        <source>작은 글꼴(&amp;S)</source>
        <translation>&amp;Small font</translation>
    </message>
    <message>
        <source>보통 글꼴(&amp;N)</source>
        <translation>&amp;Normal font</translation>
    </message>
    <message>
        <source>큰 글꼴(&amp;L)</source>
        <translation>&amp;Large font</translation>
    </message>
    <message>
        <source>테두리(&amp;E)</source>
        <translation>Bord&amp;er</translation>
    </message>
</context>
<context>
    <name>ui::CDownDialog</name>
    <message>
        <source>다운로드...</source>
        <translation>Download...</translation>
    </message>
    <message>
        <source>업로드...</source>
        <translation>Upload...</translation>
    </message>
    <message>
        <source>영역</source>
        <translation>Areas</translation>
    </message>
    <message>
        <source>화면</source>
        <translation>Screens</translation>
    </message>
    <message>
        <source>파라미터</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <source>메뉴</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>모두 선택</source>
        <translation>Select all</translation>
    </message>
    <message>
        <source>통신 설정</source>
        <translation>Communication settings</translation>
    </message>
    <message>
        <source>포트(&amp;P):</source>
        <translation>&amp;Port:</translation>
    </message>
    <message>
        <source>속도(&amp;B):</source>
        <translation>&amp;Baud rate:</translation>
    </message>
    <message>
        <source>결선도 보기...</source>
        <translation>View wiring diagram...</translation>
    </message>
</context>
<context>
    <name>ui::CEditStrsDialog</name>
    <message>
        <source>메시지 관리</source>
        <translation>Message Manager</translation>
    </message>
    <message>
        <source>등록된 메시지</source>
        <translation>Registered messages</translation>
    </message>
    <message>
        <source>추가(&amp;A)</source>
        <translation>&amp;Add</translation>
    </message>
    <message>
        <source>삭제(&amp;D)</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>변경(&amp;U)</source>
        <translation>&amp;Update</translation>
    </message>
    <message>
        <source>닫기(&amp;X)</source>
        <translation>&amp;Close</translation>
    </message>
</context>
<context>
    <name>ui::CEnvConfigDialog</name>
    <message>
        <source>옵션</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>배경</source>
        <translation>Background</translation>
    </message>
    <message>
        <source>채우기</source>
        <translation>Fill</translation>
    </message>
    <message>
        <source>그리드</source>
        <translation>Grid</translation>
    </message>
    <message>
        <source>선택된 외곽선</source>
        <translation>Selected outline</translation>
    </message>
    <message>
        <source>선택 안 된 외곽선</source>
        <translation>Unselected outline</translation>
    </message>
    <message>
        <source>기능키 포커스</source>
        <translation>Function-key focus</translation>
    </message>
    <message>
        <source>자동 저장 간격:</source>
        <translation>Auto-save every:</translation>
    </message>
    <message>
        <source>분(&amp;M)</source>
        <translation>&amp;minutes</translation>
    </message>
    <message>
        <source>리소스 언어:</source>
        <translation>Resource language:</translation>
    </message>
    <message>
        <source>기본값</source>
        <translation>Default</translation>
    </message>
    <message>
        <source>%1 기본값</source>
        <translation>%1 default</translation>
    </message>
    <message>
        <source>프로그램의 기본 색으로 되돌립니다.</source>
        <translation>Puts back the colour the program starts with.</translation>
    </message>
</context>
<context>
    <name>ui::CFuncKeyDialog</name>
    <message>
        <source>암호 사용</source>
        <translation>Use password</translation>
    </message>
    <message>
        <source>주소(&amp;D)...</source>
        <translation>A&amp;ddress...</translation>
    </message>
    <message>
        <source>비트 동작</source>
        <translation>Bit action</translation>
    </message>
    <message>
        <source>부호 가능</source>
        <translation>Signed</translation>
    </message>
    <message>
        <source>전체화면 적용</source>
        <translation>Apply to all screens</translation>
    </message>
</context>
<context>
    <name>ui::CFuncKeyListDialog</name>
    <message>
        <source>기능키 리스트</source>
        <translation>Function key list</translation>
    </message>
</context>
<context>
    <name>ui::CGraphTagDialog</name>
    <message>
        <source>트렌드 그래프 속성</source>
        <translation>Trend Graph Properties</translation>
    </message>
    <message>
        <source>막대 그래프 속성</source>
        <translation>Bar Graph Properties</translation>
    </message>
    <message>
        <source>디바이스</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>그래프</source>
        <translation>Graph</translation>
    </message>
    <message>
        <source>샘플링 갯수(&amp;C):</source>
        <translation>Sampling &amp;count:</translation>
    </message>
    <message>
        <source>샘플링 시간(초)(&amp;T):</source>
        <translation>Sampling &amp;time (s):</translation>
    </message>
    <message>
        <source>가로길이(&amp;W):</source>
        <translation>&amp;Width:</translation>
    </message>
    <message>
        <source>세로길이(&amp;H):</source>
        <translation>&amp;Height:</translation>
    </message>
    <message>
        <source>테두리(&amp;B)</source>
        <translation>&amp;Border</translation>
    </message>
    <message>
        <source>상(▲)</source>
        <translation>Up(▲)</translation>
    </message>
    <message>
        <source>하(▼)</source>
        <translation>Down(▼)</translation>
    </message>
    <message>
        <source>좌(◀)</source>
        <translation>Left(◀)</translation>
    </message>
    <message>
        <source>우(▶)</source>
        <translation>Right(▶)</translation>
    </message>
    <message>
        <source>표시방향(&amp;D):</source>
        <translation>&amp;Direction:</translation>
    </message>
</context>
<context>
    <name>ui::CGridSnapDialog</name>
    <message>
        <source>눈금 및 맞추기</source>
        <translation>Grid and Snap</translation>
    </message>
    <message>
        <source>태그를 눈금에 맞춰 이동(&amp;G)</source>
        <translation>Snap tags to the &amp;grid when moving</translation>
    </message>
    <message>
        <source>화면에 눈금 표시(&amp;D)</source>
        <translation>&amp;Display the grid on the screen</translation>
    </message>
    <message>
        <source>기본값으로 설정(&amp;F)</source>
        <translation>Set to de&amp;faults</translation>
    </message>
    <message>
        <source>눈금 간격(&amp;S):</source>
        <translation>&amp;Spacing:</translation>
    </message>
    <message>
        <source>눈금 모양(&amp;T):</source>
        <translation>S&amp;tyle:</translation>
    </message>
</context>
<context>
    <name>ui::CHelpWindow</name>
    <message>
        <source>Dorvane 사용 설명서</source>
        <translation>Dorvane Manual</translation>
    </message>
    <message>
        <source>뒤로</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>앞으로</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>처음</source>
        <translation>Start</translation>
    </message>
</context>
<context>
    <name>ui::CImageLibAddDialog</name>
    <message>
        <source>새 이미지 추가</source>
        <translation>Add New Image</translation>
    </message>
    <message>
        <source>ID :</source>
        <translation>ID :</translation>
    </message>
    <message>
        <source>파일명 :</source>
        <translation>File name :</translation>
    </message>
    <message>
        <source>찾아보기...</source>
        <translation>Browse...</translation>
    </message>
    <message>
        <source>크기 (폭 x 높이) : </source>
        <translation>Size (width x height) : </translation>
    </message>
    <message>
        <source>미리보기(&amp;P)</source>
        <translation>&amp;Preview</translation>
    </message>
</context>
<context>
    <name>ui::CImageLibDialog</name>
    <message>
        <source>이미지 라이브러리</source>
        <translation>Image Library</translation>
    </message>
    <message>
        <source>라이브러리 선택 :</source>
        <translation>Library :</translation>
    </message>
    <message>
        <source>이미지 추가</source>
        <translation>Add Image</translation>
    </message>
    <message>
        <source>이미지 삭제</source>
        <translation>Delete Image</translation>
    </message>
</context>
<context>
    <name>ui::CImgViewerDialog</name>
    <message>
        <source>등록된 이미지</source>
        <translation>Registered Images</translation>
    </message>
    <message>
        <source>선택된 이미지 정보</source>
        <translation>Selected image</translation>
    </message>
    <message>
        <source>폭:</source>
        <translation>Width:</translation>
    </message>
    <message>
        <source>높이:</source>
        <translation>Height:</translation>
    </message>
    <message>
        <source>라이브러리:</source>
        <translation>Library:</translation>
    </message>
    <message>
        <source>ID:</source>
        <translation>ID:</translation>
    </message>
    <message>
        <source>참조 화면 리스트:</source>
        <translation>Referring screens:</translation>
    </message>
    <message>
        <source>사용하지 않는 이미지 삭제</source>
        <translation>Delete Unused Images</translation>
    </message>
</context>
<context>
    <name>ui::CInputPwdDialog</name>
    <message>
        <source>암호 확인</source>
        <translation>Password check</translation>
    </message>
    <message>
        <source>암호를 입력하시오:</source>
        <translation>Enter the password:</translation>
    </message>
    <message>
        <source>A-Z, a-z, 0-9: 10자까지</source>
        <translation>A-Z, a-z, 0-9: up to 10</translation>
    </message>
</context>
<context>
    <name>ui::CLampTagDialog</name>
    <message>
        <source>램프 속성</source>
        <translation>Lamp Properties</translation>
    </message>
</context>
<context>
    <name>ui::CLineTagDialog</name>
    <message>
        <source>선 속성</source>
        <translation>Line Properties</translation>
    </message>
    <message>
        <source>위치</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>시작점 &amp;X:</source>
        <translation>Start &amp;X:</translation>
    </message>
    <message>
        <source>시작점 &amp;Y:</source>
        <translation>Start &amp;Y:</translation>
    </message>
    <message>
        <source>끝점 X(&amp;E):</source>
        <translation>&amp;End X:</translation>
    </message>
    <message>
        <source>끝점 Y(&amp;D):</source>
        <translation>En&amp;d Y:</translation>
    </message>
    <message>
        <source>모양</source>
        <translation>Style</translation>
    </message>
</context>
<context>
    <name>ui::CMainFrame</name>
    <message>
        <source>키 할당...</source>
        <translation>Assign key...</translation>
    </message>
    <message>
        <source>기능키 리스트</source>
        <translation>Function key list</translation>
    </message>
    <message>
        <source>화면 속성</source>
        <translation>Screen properties</translation>
    </message>
    <message>
        <source>새 화면</source>
        <translation>New screen</translation>
    </message>
    <message>
        <source>화면 삭제</source>
        <translation>Delete screen</translation>
    </message>
    <message>
        <source>새 프로젝트(&amp;N)...</source>
        <translation>&amp;New project...</translation>
    </message>
    <message>
        <source>열기(&amp;O)...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>닫기(&amp;C)</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>저장(&amp;S)</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>다른 이름으로 저장(&amp;A)...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>끝내기(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>실행 취소(&amp;U)</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <source>다시 실행(&amp;R)</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>Ctrl+Y</source>
        <translation>Ctrl+Y</translation>
    </message>
    <message>
        <source>새 화면(&amp;N)</source>
        <translation>&amp;New screen</translation>
    </message>
    <message>
        <source>Ctrl+G</source>
        <translation>Ctrl+G</translation>
    </message>
    <message>
        <source>화면 삭제(&amp;D)</source>
        <translation>&amp;Delete screen</translation>
    </message>
    <message>
        <source>화면 속성(&amp;P)...</source>
        <translation>Screen &amp;properties...</translation>
    </message>
    <message>
        <source>계단식(&amp;C)</source>
        <translation>&amp;Cascade</translation>
    </message>
    <message>
        <source>바둑판식(&amp;T)</source>
        <translation>&amp;Tile</translation>
    </message>
    <message>
        <source>파일(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>편집(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>보기(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>프로젝트 창(&amp;P)</source>
        <translation>&amp;Project window</translation>
    </message>
    <message>
        <source>상태 표시줄(&amp;S)</source>
        <translation>&amp;Status bar</translation>
    </message>
    <message>
        <source>화면(&amp;S)</source>
        <translation>&amp;Screen</translation>
    </message>
    <message>
        <source>창(&amp;W)</source>
        <translation>&amp;Window</translation>
    </message>
    <message>
        <source>표준</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>그리기</source>
        <translation>Drawing</translation>
    </message>
    <message>
        <source>정렬</source>
        <translation>Arrange</translation>
    </message>
    <message>
        <source>%1 파일을 저장할 수 없습니다.
%2</source>
        <translation>Cannot save the file %1.
%2</translation>
    </message>
    <message>
        <source>%1의 변경 내용을 저장하시겠습니까?</source>
        <translation>Save changes to %1?</translation>
    </message>
    <message>
        <source>열기</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Dorvane 파일 (*.kvr)</source>
        <translation>Dorvane files (*.kvr)</translation>
    </message>
    <message>
        <source>다른 이름으로 저장</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>붙여넣기</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>태그(&amp;T)</source>
        <translation>&amp;Tags</translation>
    </message>
    <message>
        <source>그리기(&amp;D)</source>
        <translation>&amp;Draw</translation>
    </message>
    <message>
        <source>메시지 관리</source>
        <translation>Message Manager</translation>
    </message>
    <message>
        <source>파라미터 설정(&amp;A)...</source>
        <translation>P&amp;arameter Settings...</translation>
    </message>
    <message>
        <source>채널 1 통신 설정(&amp;1)...</source>
        <translation>Channel &amp;1 Communication Settings...</translation>
    </message>
    <message>
        <source>채널 2 통신 설정(&amp;2)...</source>
        <translation>Channel &amp;2 Communication Settings...</translation>
    </message>
    <message>
        <source>PLC 타입 변경(&amp;T)...</source>
        <translation>Change PLC &amp;Type...</translation>
    </message>
    <message>
        <source>Velmar Panel 연결 포트 변경(&amp;C)...</source>
        <translation>Change Velmar Panel &amp;Connection Port...</translation>
    </message>
    <message>
        <source>프로젝트(&amp;P)</source>
        <translation>&amp;Project</translation>
    </message>
    <message>
        <source>통신 설정 - 채널 %1</source>
        <translation>Communication Settings - Channel %1</translation>
    </message>
    <message>
        <source>경보</source>
        <translation>Alarms</translation>
    </message>
    <message>
        <source>연산</source>
        <translation>Calculations</translation>
    </message>
    <message>
        <source>블록통신</source>
        <translation>Block Transfers</translation>
    </message>
    <message>
        <source>예약</source>
        <translation>Reservations</translation>
    </message>
    <message>
        <source>사용하지 않는 이미지 삭제</source>
        <translation>Delete Unused Images</translation>
    </message>
    <message>
        <source>통신(&amp;C)</source>
        <translation>&amp;Communication</translation>
    </message>
    <message>
        <source>다운로드(&amp;D)</source>
        <translation>&amp;Download</translation>
    </message>
    <message>
        <source>업로드(&amp;U)</source>
        <translation>&amp;Upload</translation>
    </message>
    <message>
        <source>폰트(&amp;F)</source>
        <translation>&amp;Font</translation>
    </message>
    <message>
        <source>날짜/시간(&amp;T)</source>
        <translation>Date/&amp;Time</translation>
    </message>
    <message>
        <source>암호설정(&amp;P)</source>
        <translation>Set &amp;Password</translation>
    </message>
    <message>
        <source>폰트</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>Font Files(*.BMA);;All Files (*.*)</source>
        <translation>Font Files(*.BMA);;All Files (*.*)</translation>
    </message>
    <message>
        <source>인쇄(&amp;P)...</source>
        <translation>&amp;Print...</translation>
    </message>
    <message>
        <source>인쇄 미리보기(&amp;V)</source>
        <translation>Print pre&amp;view</translation>
    </message>
    <message>
        <source>PDF로 내보내기</source>
        <translation>Export as PDF</translation>
    </message>
    <message>
        <source>PDF 파일 (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>미리보기(&amp;R)</source>
        <translation>P&amp;review</translation>
    </message>
    <message>
        <source>이 화면부터 미리보기(&amp;T)</source>
        <translation>Preview from &amp;This Screen</translation>
    </message>
    <message>
        <source>PDF로 내보내기(&amp;E)...</source>
        <translation>&amp;Export as PDF...</translation>
    </message>
    <message>
        <source>그림으로 내보내기(&amp;I)...</source>
        <translation>Export p&amp;ictures...</translation>
    </message>
    <message>
        <source>눈금 및 맞추기(&amp;G)...</source>
        <translation>&amp;Grid and snap...</translation>
    </message>
    <message>
        <source>확대상자(&amp;Z)</source>
        <translation>Ma&amp;gnifier</translation>
    </message>
    <message>
        <source>메모리 사용량(&amp;M)...</source>
        <translation>&amp;Memory usage...</translation>
    </message>
    <message>
        <source>옵션(&amp;O)...</source>
        <translation>&amp;Options...</translation>
    </message>
    <message>
        <source>태그 리스트(&amp;L)</source>
        <translation>Tag &amp;list</translation>
    </message>
    <message>
        <source>경보(&amp;A)</source>
        <translation>&amp;Alarms</translation>
    </message>
    <message>
        <source>연산(&amp;C)</source>
        <translation>&amp;Calculations</translation>
    </message>
    <message>
        <source>블록통신(&amp;B)</source>
        <translation>&amp;Block Transfers</translation>
    </message>
    <message>
        <source>예약(&amp;R)</source>
        <translation>&amp;Reservations</translation>
    </message>
    <message>
        <source>메시지 관리(&amp;M)</source>
        <translation>&amp;Message Manager</translation>
    </message>
    <message>
        <source>이미지 보기(&amp;I)</source>
        <translation>View &amp;Images</translation>
    </message>
    <message>
        <source>기능키 리스트(&amp;F)</source>
        <translation>&amp;Function key list</translation>
    </message>
    <message>
        <source>시스템 메모리 사용현황(&amp;S)</source>
        <translation>Used &amp;System Memory</translation>
    </message>
    <message>
        <source>암호해제(&amp;R)</source>
        <translation>&amp;Remove Password</translation>
    </message>
    <message>
        <source>전체 메모리 포맷(&amp;E)</source>
        <translation>Format whole m&amp;emory</translation>
    </message>
    <message>
        <source>OS 다운로드(&amp;O)</source>
        <translation>&amp;OS download</translation>
    </message>
    <message>
        <source>경보이력읽기(&amp;A)</source>
        <translation>Read &amp;Alarm History</translation>
    </message>
    <message>
        <source>경보이력삭제(&amp;L)</source>
        <translation>De&amp;lete Alarm History</translation>
    </message>
    <message>
        <source>시스템 정보 읽기(&amp;I)</source>
        <translation>Read system &amp;information</translation>
    </message>
    <message>
        <source>최근 파일(&amp;R)</source>
        <translation>&amp;Recent files</translation>
    </message>
    <message>
        <source>공통(&amp;O)</source>
        <translation>C&amp;ommon</translation>
    </message>
    <message>
        <source>순서(&amp;O)</source>
        <translation>&amp;Order</translation>
    </message>
    <message>
        <source>맞춤(&amp;N)</source>
        <translation>Alig&amp;n</translation>
    </message>
    <message>
        <source>간격(&amp;S)</source>
        <translation>&amp;Spacing</translation>
    </message>
    <message>
        <source>선택(&amp;S)</source>
        <translation>&amp;Select</translation>
    </message>
    <message>
        <source>숫자(&amp;N)</source>
        <translation>&amp;Numeric</translation>
    </message>
    <message>
        <source>메시지(&amp;M)</source>
        <translation>&amp;Message</translation>
    </message>
    <message>
        <source>문자열(&amp;X)</source>
        <translation>Te&amp;xt</translation>
    </message>
    <message>
        <source>램프(&amp;L)</source>
        <translation>&amp;Lamp</translation>
    </message>
    <message>
        <source>버튼(&amp;B)</source>
        <translation>&amp;Button</translation>
    </message>
    <message>
        <source>파이 그래프(&amp;P)</source>
        <translation>&amp;Pie graph</translation>
    </message>
    <message>
        <source>이미지(&amp;I)</source>
        <translation>&amp;Image</translation>
    </message>
    <message>
        <source>막대 그래프(&amp;G)</source>
        <translation>Bar &amp;graph</translation>
    </message>
    <message>
        <source>트렌드 그래프(&amp;T)</source>
        <translation>&amp;Trend graph</translation>
    </message>
    <message>
        <source>회전(&amp;R)</source>
        <translation>&amp;Rotation</translation>
    </message>
    <message>
        <source>이동(&amp;V)</source>
        <translation>Mo&amp;ving</translation>
    </message>
    <message>
        <source>사각형(&amp;R)</source>
        <translation>&amp;Rectangle</translation>
    </message>
    <message>
        <source>선(&amp;L)</source>
        <translation>&amp;Line</translation>
    </message>
    <message>
        <source>원(&amp;C)</source>
        <translation>&amp;Circle</translation>
    </message>
    <message>
        <source>시계(&amp;C)</source>
        <translation>&amp;Clock</translation>
    </message>
    <message>
        <source>이미지텍스트(&amp;G)</source>
        <translation>Ima&amp;ge text</translation>
    </message>
    <message>
        <source>교차 참조(&amp;X)...</source>
        <translation>Cross-&amp;Reference...</translation>
    </message>
    <message>
        <source>태그 리스트(&amp;T)...</source>
        <translation>&amp;Tag List...</translation>
    </message>
    <message>
        <source>경보(&amp;A)...</source>
        <translation>&amp;Alarms...</translation>
    </message>
    <message>
        <source>메시지(&amp;M)...</source>
        <translation>&amp;Messages...</translation>
    </message>
    <message>
        <source>주소 바꾸기(&amp;R)...</source>
        <translation>Re&amp;place Addresses...</translation>
    </message>
    <message>
        <source>CSV로 내보내기(&amp;E)</source>
        <translation>&amp;Export CSV</translation>
    </message>
    <message>
        <source>CSV 가져오기(&amp;I)</source>
        <translation>&amp;Import CSV</translation>
    </message>
    <message>
        <source>CSV로 내보내기</source>
        <translation>Export CSV</translation>
    </message>
    <message>
        <source>CSV 파일 (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>CSV 가져오기</source>
        <translation>Import CSV</translation>
    </message>
    <message>
        <source>외 %1개</source>
        <translation>and %1 more</translation>
    </message>
    <message>
        <source>사용 설명서(&amp;M)</source>
        <translation>&amp;Manual</translation>
    </message>
    <message>
        <source>Dorvane 정보(&amp;A)...</source>
        <translation>&amp;About Dorvane...</translation>
    </message>
    <message>
        <source>도움말(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>사용 설명서를 찾을 수 없습니다: %1</source>
        <translation>The manual cannot be found: %1</translation>
    </message>
</context>
<context>
    <name>ui::CMemoryUseDialog</name>
    <message>
        <source>Velmar Panel 메모리 사용량</source>
        <translation>Velmar Panel memory usage</translation>
    </message>
    <message>
        <source>용량</source>
        <translation>Capacity</translation>
    </message>
    <message>
        <source>사용량</source>
        <translation>Used</translation>
    </message>
    <message>
        <source>사용비율</source>
        <translation>Ratio</translation>
    </message>
    <message>
        <source>화면</source>
        <translation>Screen</translation>
    </message>
    <message>
        <source>메시지</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>이미지</source>
        <translation>Image</translation>
    </message>
</context>
<context>
    <name>ui::CMessageTagDialog</name>
    <message>
        <source>메시지 속성</source>
        <translation>Message Properties</translation>
    </message>
    <message>
        <source>디바이스</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>메시지 편집(&amp;M)...</source>
        <translation>&amp;Edit Messages...</translation>
    </message>
</context>
<context>
    <name>ui::CMobileTagDialog</name>
    <message>
        <source>이동 속성</source>
        <translation>Movement Properties</translation>
    </message>
    <message>
        <source>X 방향</source>
        <translation>X direction</translation>
    </message>
    <message>
        <source>Y 방향</source>
        <translation>Y direction</translation>
    </message>
    <message>
        <source>이동 범위</source>
        <translation>Movement range</translation>
    </message>
    <message>
        <source>폭(&amp;W):</source>
        <translation>&amp;Width:</translation>
    </message>
    <message>
        <source>높이(&amp;H):</source>
        <translation>&amp;Height:</translation>
    </message>
    <message>
        <source>테두리 표시(&amp;B)</source>
        <translation>Show &amp;border</translation>
    </message>
    <message>
        <source>이미지</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>이미지(&amp;P):</source>
        <translation>&amp;Picture:</translation>
    </message>
    <message>
        <source>y축(&amp;U)</source>
        <translation>y axis (&amp;U)</translation>
    </message>
    <message>
        <source>x축(&amp;F)</source>
        <translation>x axis (&amp;F)</translation>
    </message>
</context>
<context>
    <name>ui::CMotorTagDialog</name>
    <message>
        <source>회전 속성</source>
        <translation>Rotation Properties</translation>
    </message>
    <message>
        <source>이미지</source>
        <translation>Images</translation>
    </message>
    <message>
        <source>시계방향</source>
        <translation>Clockwise</translation>
    </message>
    <message>
        <source>반시계방향</source>
        <translation>Counter-clockwise</translation>
    </message>
    <message>
        <source>이미지 갯수(&amp;C):</source>
        <translation>Image &amp;count:</translation>
    </message>
    <message>
        <source>회전 방향(&amp;D):</source>
        <translation>&amp;Direction:</translation>
    </message>
    <message>
        <source>확대(&amp;E)</source>
        <translation>&amp;Enlarge</translation>
    </message>
    <message>
        <source>색 반전(&amp;I)</source>
        <translation>&amp;Invert colours</translation>
    </message>
    <message>
        <source>디바이스</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>최대 RPM(&amp;R):</source>
        <translation>Maximum &amp;RPM:</translation>
    </message>
</context>
<context>
    <name>ui::CMsgEditDialog</name>
    <message>
        <source>메시지 편집</source>
        <translation>Edit Messages</translation>
    </message>
    <message>
        <source>메시지 정의</source>
        <translation>Message definitions</translation>
    </message>
    <message>
        <source>등록된 메시지</source>
        <translation>Registered messages</translation>
    </message>
    <message>
        <source>&lt;-추가</source>
        <translation>&lt;- Add</translation>
    </message>
    <message>
        <source>정렬</source>
        <translation>Sort</translation>
    </message>
    <message>
        <source>메시지 관리</source>
        <translation>Message Manager</translation>
    </message>
</context>
<context>
    <name>ui::CNewScreenDialog</name>
    <message>
        <source>새 화면 추가</source>
        <translation>Add new screen</translation>
    </message>
    <message>
        <source>화면 이름:</source>
        <translation>Screen name:</translation>
    </message>
    <message>
        <source>화면 번호:</source>
        <translation>Screen number:</translation>
    </message>
</context>
<context>
    <name>ui::CPanelDisplay</name>
    <message>
        <source>패널 화면</source>
        <translation>Panel display</translation>
    </message>
</context>
<context>
    <name>ui::CPanelPreviewWindow</name>
    <message>
        <source>미리보기 - %1</source>
        <translation>Preview - %1</translation>
    </message>
    <message>
        <source>주소</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>크기</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>값</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>변화</source>
        <translation>Driver</translation>
    </message>
    <message>
        <source>위</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>아래</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>왼쪽</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>오른쪽</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>암호 입력</source>
        <translation>Password entry</translation>
    </message>
    <message>
        <source>암호:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>프로젝트가 없습니다. 다운로드하십시오.</source>
        <translation>No project. Download one.</translation>
    </message>
    <message>
        <source>화면 %1: %2</source>
        <translation>Screen %1: %2</translation>
    </message>
    <message>
        <source>경보 %1  %2</source>
        <translation>Alarm %1  %2</translation>
    </message>
    <message>
        <source>값 입력</source>
        <translation>Enter value</translation>
    </message>
    <message>
        <source>값:</source>
        <translation>Value:</translation>
    </message>
    <message>
        <source>프로젝트 &quot;%1&quot;</source>
        <translation>project &quot;%1&quot;</translation>
    </message>
    <message>
        <source>프로젝트 없음</source>
        <translation>no project</translation>
    </message>
    <message>
        <source>고정</source>
        <translation>Fixed</translation>
    </message>
    <message>
        <source>램프</source>
        <translation>Ramp</translation>
    </message>
    <message>
        <source>사인</source>
        <translation>Sine</translation>
    </message>
    <message>
        <source>랜덤</source>
        <translation>Random</translation>
    </message>
    <message>
        <source>%1 변화</source>
        <translation>%1 driver</translation>
    </message>
    <message>
        <source>대기 중</source>
        <translation>waiting</translation>
    </message>
    <message>
        <source>정상</source>
        <translation>ok</translation>
    </message>
    <message>
        <source>일부 실패</source>
        <translation>partly failing</translation>
    </message>
    <message>
        <source>응답 없음</source>
        <translation>no answer</translation>
    </message>
    <message>
        <source>CH%1 %2: 연결 안 됨 (%3)</source>
        <translation>CH%1 %2: not connected (%3)</translation>
    </message>
    <message>
        <source>CH%1 %2: 연결됨</source>
        <translation>CH%1 %2: connected</translation>
    </message>
    <message>
        <source>CH%1 %2, 국번 %3: %4, 스캔 %5 ms, 요청 %6</source>
        <translation>CH%1 %2, station %3: %4, scan %5 ms, %6 requests</translation>
    </message>
    <message>
        <source> - 마지막 오류: %1</source>
        <translation> - last error: %1</translation>
    </message>
    <message>
        <source>PLC 연결(&amp;L)...</source>
        <translation>PLC &amp;link...</translation>
    </message>
    <message>
        <source>연결 끊기(&amp;U)</source>
        <translation>Dis&amp;connect</translation>
    </message>
    <message>
        <source>Modbus PLC 채널이 있는 프로젝트에서만 연결할 수 있습니다.</source>
        <translation>Only a project with a Modbus PLC channel can connect.</translation>
    </message>
    <message>
        <source>디바이스 값</source>
        <translation>Device values</translation>
    </message>
    <message>
        <source>디바이스 값(&amp;D):</source>
        <translation>&amp;Device values:</translation>
    </message>
</context>
<context>
    <name>ui::CPictureExportDialog</name>
    <message>
        <source>그림으로 내보내기</source>
        <translation>Export pictures</translation>
    </message>
    <message>
        <source>표시부만 흑백으로(&amp;B)</source>
        <translation>&amp;Bare display in black and white</translation>
    </message>
    <message>
        <source>찾아보기(&amp;R)...</source>
        <translation>B&amp;rowse...</translation>
    </message>
    <message>
        <source>화면:</source>
        <translation>Screens:</translation>
    </message>
    <message>
        <source>형식(&amp;F):</source>
        <translation>&amp;Format:</translation>
    </message>
    <message>
        <source>배율(&amp;S):</source>
        <translation>&amp;Scale:</translation>
    </message>
    <message>
        <source>폴더(&amp;D):</source>
        <translation>&amp;Directory:</translation>
    </message>
    <message>
        <source>폴더 선택</source>
        <translation>Choose a folder</translation>
    </message>
</context>
<context>
    <name>ui::CPieTagDialog</name>
    <message>
        <source>파이 그래프 속성</source>
        <translation>Pie Graph Properties</translation>
    </message>
    <message>
        <source>디바이스</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>그래프</source>
        <translation>Graph</translation>
    </message>
    <message>
        <source>시작 각도(&amp;S):</source>
        <translation>&amp;Start angle:</translation>
    </message>
    <message>
        <source>동작 각도(&amp;E):</source>
        <translation>Sw&amp;eep angle:</translation>
    </message>
    <message>
        <source>채우기(&amp;F)</source>
        <translation>&amp;Fill</translation>
    </message>
    <message>
        <source>바늘(&amp;L)</source>
        <translation>Need&amp;le</translation>
    </message>
    <message>
        <source>모양:</source>
        <translation>Style:</translation>
    </message>
    <message>
        <source>반지름(&amp;R):</source>
        <translation>&amp;Radius:</translation>
    </message>
    <message>
        <source>색 반전(&amp;I)</source>
        <translation>&amp;Invert colours</translation>
    </message>
</context>
<context>
    <name>ui::CPlcConnectDialog</name>
    <message>
        <source>PLC 연결</source>
        <translation>PLC connection</translation>
    </message>
    <message>
        <source>시리얼 (Modbus RTU)(&amp;S)</source>
        <translation>&amp;Serial (Modbus RTU)</translation>
    </message>
    <message>
        <source>TCP (Modbus TCP)(&amp;T)</source>
        <translation>&amp;TCP (Modbus TCP)</translation>
    </message>
    <message>
        <source>포트(&amp;P)...</source>
        <translation>&amp;Port...</translation>
    </message>
    <message>
        <source>더블 워드의 하위 워드가 앞 레지스터(&amp;L)</source>
        <translation>&amp;Low word of a double word in the first register</translation>
    </message>
    <message>
        <source>채널(&amp;C):</source>
        <translation>&amp;Channel:</translation>
    </message>
    <message>
        <source>장치(&amp;D):</source>
        <translation>&amp;Device:</translation>
    </message>
    <message>
        <source>속도(&amp;B):</source>
        <translation>&amp;Baud rate:</translation>
    </message>
    <message>
        <source>패리티(&amp;A):</source>
        <translation>P&amp;arity:</translation>
    </message>
    <message>
        <source>호스트(&amp;H):</source>
        <translation>&amp;Host:</translation>
    </message>
    <message>
        <source>포트 번호(&amp;N):</source>
        <translation>Port &amp;number:</translation>
    </message>
    <message>
        <source>타임아웃(&amp;I):</source>
        <translation>T&amp;ime-out:</translation>
    </message>
    <message>
        <source>연결</source>
        <translation>Connect</translation>
    </message>
    <message>
        <source>CH%1은(는) Modbus PLC가 아니므로 시뮬레이션 메모리로 실행됩니다.</source>
        <translation>CH%1 has no Modbus PLC: it runs on the simulated memory.</translation>
    </message>
    <message>
        <source>채널 %1</source>
        <translation>Channel %1</translation>
    </message>
</context>
<context>
    <name>ui::CPlcTypeDialog</name>
    <message>
        <source>PLC 타입 변경</source>
        <translation>Change PLC Type</translation>
    </message>
    <message>
        <source>결선도 - %1</source>
        <translation>Wiring Diagram - %1</translation>
    </message>
</context>
<context>
    <name>ui::CPointGroupBox</name>
    <message>
        <source>주소 입력(&amp;A)...</source>
        <translation>&amp;Address...</translation>
    </message>
    <message>
        <source>주소:</source>
        <translation>Address:</translation>
    </message>
    <message>
        <source>부호 가능(&amp;G)</source>
        <translation>Si&amp;gned</translation>
    </message>
    <message>
        <source>데이터:</source>
        <translation>Data:</translation>
    </message>
    <message>
        <source>최소값(&amp;M):</source>
        <translation>&amp;Minimum:</translation>
    </message>
    <message>
        <source>최대값(&amp;K):</source>
        <translation>Maximum (&amp;K):</translation>
    </message>
    <message>
        <source>국  번(&amp;J):</source>
        <translation>Station (&amp;J):</translation>
    </message>
    <message>
        <source>디바이스 %1</source>
        <translation>Device %1</translation>
    </message>
    <message>
        <source>디바이스:</source>
        <translation>Device:</translation>
    </message>
</context>
<context>
    <name>ui::CPortSlotBox</name>
    <message>
        <source>포트...</source>
        <translation>Port...</translation>
    </message>
</context>
<context>
    <name>ui::CPrjMgnDialog</name>
    <message>
        <source>프로젝트 관리</source>
        <translation>Project management</translation>
    </message>
    <message>
        <source>연결 포트:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>통신 속도:</source>
        <translation>Baud rate:</translation>
    </message>
    <message>
        <source>찾아보기...</source>
        <translation>Browse...</translation>
    </message>
    <message>
        <source>프로젝트 파일:</source>
        <translation>Project file:</translation>
    </message>
    <message>
        <source>Dorvane 파일 (*.kvr)</source>
        <translation>Dorvane files (*.kvr)</translation>
    </message>
</context>
<context>
    <name>ui::CProgressDialog</name>
    <message>
        <source>전체</source>
        <translation>Overall</translation>
    </message>
    <message>
        <source>중지(&amp;S)</source>
        <translation>&amp;Stop</translation>
    </message>
    <message>
        <source>영역: %1</source>
        <translation>Area: %1</translation>
    </message>
    <message>
        <source>%1 / %2 바이트</source>
        <translation>%1 / %2 bytes</translation>
    </message>
    <message>
        <source>경과 시간: %1:%2</source>
        <translation>Elapsed: %1:%2</translation>
    </message>
    <message>
        <source>속도: %1 바이트/초</source>
        <translation>Rate: %1 bytes/s</translation>
    </message>
</context>
<context>
    <name>ui::CProjectWindow</name>
    <message>
        <source>새 화면(&amp;N)</source>
        <translation>&amp;New screen</translation>
    </message>
    <message>
        <source>화면 삭제(&amp;D)</source>
        <translation>&amp;Delete screen</translation>
    </message>
    <message>
        <source>잘라내기(&amp;T)</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <source>복사(&amp;C)</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>붙여넣기(&amp;P)</source>
        <translation>&amp;Paste</translation>
    </message>
</context>
<context>
    <name>ui::CPwdDialog</name>
    <message>
        <source>암호 설정</source>
        <translation>Password setting</translation>
    </message>
    <message>
        <source>이전 암호(&amp;O):</source>
        <translation>&amp;Old password:</translation>
    </message>
    <message>
        <source>새 암호(&amp;N):</source>
        <translation>&amp;New password:</translation>
    </message>
    <message>
        <source>새 암호 확인(&amp;C):</source>
        <translation>&amp;Confirm new password:</translation>
    </message>
    <message>
        <source>A-Z, a-z, 0-9: 10자까지</source>
        <translation>A-Z, a-z, 0-9: up to 10</translation>
    </message>
</context>
<context>
    <name>ui::CRecordListDialog</name>
    <message>
        <source>추가(&amp;A)</source>
        <translation>&amp;Add</translation>
    </message>
    <message>
        <source>삭제(&amp;D)</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>수정(&amp;U)</source>
        <translation>&amp;Modify</translation>
    </message>
</context>
<context>
    <name>ui::CRectTagDialog</name>
    <message>
        <source>사각형 속성</source>
        <translation>Rectangle Properties</translation>
    </message>
    <message>
        <source>크기</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>가로길이(&amp;W):</source>
        <translation>&amp;Width:</translation>
    </message>
    <message>
        <source>세로길이(&amp;H):</source>
        <translation>&amp;Height:</translation>
    </message>
    <message>
        <source>모양</source>
        <translation>Style</translation>
    </message>
</context>
<context>
    <name>ui::CReportSetupDialog</name>
    <message>
        <source>보고서 설정</source>
        <translation>Report setup</translation>
    </message>
    <message>
        <source>화면 그림이 차지하는 인쇄 폭의 비율</source>
        <translation>Share of the printable width taken by each screen picture</translation>
    </message>
    <message>
        <source>화면:</source>
        <translation>Screens:</translation>
    </message>
    <message>
        <source>그림 폭(&amp;W):</source>
        <translation>Picture &amp;width:</translation>
    </message>
    <message>
        <source>교차 참조 포함(&amp;X)</source>
        <translation>Include cross-&amp;reference</translation>
    </message>
</context>
<context>
    <name>ui::CReserveEditDialog</name>
    <message>
        <source>예약 편집</source>
        <translation>Edit Reservation</translation>
    </message>
    <message>
        <source>되풀이방법</source>
        <translation>Repeat</translation>
    </message>
    <message>
        <source>1회(&amp;S)</source>
        <translation>&amp;Once</translation>
    </message>
    <message>
        <source>매일(&amp;D)</source>
        <translation>&amp;Daily</translation>
    </message>
    <message>
        <source>매주(&amp;W)</source>
        <translation>&amp;Weekly</translation>
    </message>
    <message>
        <source>매월(&amp;M)</source>
        <translation>&amp;Monthly</translation>
    </message>
    <message>
        <source>다음 날짜에 실행</source>
        <translation>Run on this date</translation>
    </message>
    <message>
        <source>일요일</source>
        <translation>Sunday</translation>
    </message>
    <message>
        <source>월요일</source>
        <translation>Monday</translation>
    </message>
    <message>
        <source>화요일</source>
        <translation>Tuesday</translation>
    </message>
    <message>
        <source>수요일</source>
        <translation>Wednesday</translation>
    </message>
    <message>
        <source>목요일</source>
        <translation>Thursday</translation>
    </message>
    <message>
        <source>금요일</source>
        <translation>Friday</translation>
    </message>
    <message>
        <source>토요일</source>
        <translation>Saturday</translation>
    </message>
    <message>
        <source>매월 다음 날짜에 되풀이</source>
        <translation>Repeat monthly on this day</translation>
    </message>
    <message>
        <source>기동주소</source>
        <translation>Start address</translation>
    </message>
    <message>
        <source>기동조건</source>
        <translation>Start condition</translation>
    </message>
    <message>
        <source>상시</source>
        <translation>Always</translation>
    </message>
    <message>
        <source>On상태</source>
        <translation>While On</translation>
    </message>
    <message>
        <source>Off상태</source>
        <translation>While Off</translation>
    </message>
    <message>
        <source>실행시간(&amp;T):</source>
        <translation>Execution &amp;time:</translation>
    </message>
    <message>
        <source>실행주소</source>
        <translation>Execution address</translation>
    </message>
    <message>
        <source>실행값</source>
        <translation>Execution value</translation>
    </message>
</context>
<context>
    <name>ui::CScreenCanvas</name>
    <message>
        <source>화면 왼쪽 맞춤</source>
        <translation>Align to screen left</translation>
    </message>
    <message>
        <source>화면 오른쪽 맞춤</source>
        <translation>Align to screen right</translation>
    </message>
    <message>
        <source>화면 위쪽 맞춤</source>
        <translation>Align to screen top</translation>
    </message>
    <message>
        <source>화면 아래쪽 맞춤</source>
        <translation>Align to screen bottom</translation>
    </message>
    <message>
        <source>화면 가로 가운데 맞춤</source>
        <translation>Centre horizontally on the screen</translation>
    </message>
    <message>
        <source>화면 세로 가운데 맞춤</source>
        <translation>Centre vertically on the screen</translation>
    </message>
    <message>
        <source>가로 간격을 동일하게</source>
        <translation>Space evenly across</translation>
    </message>
    <message>
        <source>세로 간격을 동일하게</source>
        <translation>Space evenly down</translation>
    </message>
    <message>
        <source>태그 고정 해제</source>
        <translation>Unlock tags</translation>
    </message>
    <message>
        <source>태그 이동</source>
        <translation>Move tags</translation>
    </message>
    <message>
        <source>태그 복사</source>
        <translation>Copy tags</translation>
    </message>
    <message>
        <source>선택</source>
        <translation>Select</translation>
    </message>
    <message>
        <source>잘라내기(&amp;T)</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <source>복사(&amp;C)</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>붙여넣기(&amp;P)</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>삭제하기(&amp;D)</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>맨 앞으로 가져오기(&amp;F)</source>
        <translation>Bring to &amp;front</translation>
    </message>
    <message>
        <source>맨 뒤로 보내기(&amp;B)</source>
        <translation>Send to &amp;back</translation>
    </message>
    <message>
        <source>눈금 및 맞추기(&amp;G)...</source>
        <translation>&amp;Grid and snap...</translation>
    </message>
    <message>
        <source>선택된 태그 고정(&amp;L)</source>
        <translation>&amp;Lock selected tags</translation>
    </message>
    <message>
        <source>태그 종류의 그리는 순서 때문에 맨 앞으로 가져올 수 없는 태그가 있습니다.</source>
        <translation>Some tags cannot come to the front: tags of each kind are drawn in a fixed order.</translation>
    </message>
    <message>
        <source>태그 종류의 그리는 순서 때문에 맨 뒤로 보낼 수 없는 태그가 있습니다.</source>
        <translation>Some tags cannot go to the back: tags of each kind are drawn in a fixed order.</translation>
    </message>
    <message>
        <source>속성(&amp;R)...</source>
        <translation>P&amp;roperties...</translation>
    </message>
    <message>
        <source>전체선택(&amp;A)</source>
        <translation>Select &amp;all</translation>
    </message>
    <message>
        <source>왼쪽 맞춤(&amp;L)</source>
        <translation>Align &amp;left</translation>
    </message>
    <message>
        <source>오른쪽 맞춤(&amp;R)</source>
        <translation>Align &amp;right</translation>
    </message>
    <message>
        <source>위쪽 맞춤(&amp;T)</source>
        <translation>Align &amp;top</translation>
    </message>
    <message>
        <source>아래쪽 맞춤(&amp;B)</source>
        <translation>Align &amp;bottom</translation>
    </message>
</context>
<context>
    <name>ui::CScreenPropDialog</name>
    <message>
        <source>화면 속성</source>
        <translation>Screen properties</translation>
    </message>
    <message>
        <source>배경 이미지 선택</source>
        <translation>Background image</translation>
    </message>
    <message>
        <source>암호 사용</source>
        <translation>Use password</translation>
    </message>
    <message>
        <source>화면 이름:</source>
        <translation>Screen name:</translation>
    </message>
    <message>
        <source>화면 번호:</source>
        <translation>Screen number:</translation>
    </message>
    <message>
        <source>이전 화면(◀):</source>
        <translation>Previous screen (◀):</translation>
    </message>
    <message>
        <source>다음 화면(▶):</source>
        <translation>Next screen (▶):</translation>
    </message>
    <message>
        <source>이 화면에는 배경 이미지가 없습니다.</source>
        <translation>This screen has no background image.</translation>
    </message>
    <message>
        <source>이미지 선택...</source>
        <translation>Choose Image...</translation>
    </message>
</context>
<context>
    <name>ui::CScreenScopeBox</name>
    <message>
        <source>현재 화면(&amp;C)</source>
        <translation>&amp;Current screen</translation>
    </message>
    <message>
        <source>모든 화면(&amp;A)</source>
        <translation>&amp;All screens</translation>
    </message>
    <message>
        <source>화면 번호(&amp;N):</source>
        <translation>Screen &amp;numbers:</translation>
    </message>
    <message>
        <source>화면 번호</source>
        <translation>Screen numbers</translation>
    </message>
</context>
<context>
    <name>ui::CShapeTagDialog</name>
    <message>
        <source>파선</source>
        <translation>Dashed line</translation>
    </message>
    <message>
        <source>종류(&amp;K):</source>
        <translation>Line &amp;kind:</translation>
    </message>
    <message>
        <source>두께(&amp;T):</source>
        <translation>&amp;Thickness:</translation>
    </message>
    <message>
        <source>채우기(&amp;F)</source>
        <translation>&amp;Fill</translation>
    </message>
</context>
<context>
    <name>ui::CSysAddrDialog</name>
    <message>
        <source>주소 입력</source>
        <translation>Address Entry</translation>
    </message>
    <message>
        <source>읽은 주소:</source>
        <translation>Address as read:</translation>
    </message>
    <message>
        <source>읽은 주소</source>
        <translation>Address as read</translation>
    </message>
    <message>
        <source>%1 (읽기 전용 영역)</source>
        <translation>%1 (read-only area)</translation>
    </message>
    <message>
        <source>%1 또는 %2 (영역을 앞에 붙여 입력)</source>
        <translation>%1 or %2 (type the area in front)</translation>
    </message>
    <message>
        <source>영역(&amp;A):</source>
        <translation>&amp;Area:</translation>
    </message>
    <message>
        <source>특수 버퍼(&amp;S):</source>
        <translation>&amp;Special buffer:</translation>
    </message>
    <message>
        <source>주소(&amp;N):</source>
        <translation>Address &amp;number:</translation>
    </message>
</context>
<context>
    <name>ui::CSysInfoDialog</name>
    <message>
        <source>Velmar Panel 정보</source>
        <translation>Velmar Panel information</translation>
    </message>
    <message>
        <source>OS 버전:</source>
        <translation>OS version:</translation>
    </message>
    <message>
        <source>OS 날짜:</source>
        <translation>OS date:</translation>
    </message>
    <message>
        <source>시계 타입:</source>
        <translation>Clock type:</translation>
    </message>
    <message>
        <source>HMI 시계:</source>
        <translation>HMI clock:</translation>
    </message>
    <message>
        <source>최대 스캔 시간:</source>
        <translation>Maximum scan time:</translation>
    </message>
    <message>
        <source>현재 스캔 시간:</source>
        <translation>Current scan time:</translation>
    </message>
    <message>
        <source>메뉴 언어:</source>
        <translation>Menu language:</translation>
    </message>
    <message>
        <source>메뉴 버전:</source>
        <translation>Menu version:</translation>
    </message>
    <message>
        <source>채널1 드라이버:</source>
        <translation>Channel 1 driver:</translation>
    </message>
    <message>
        <source>채널1 드라이버 버전:</source>
        <translation>Channel 1 driver version:</translation>
    </message>
    <message>
        <source>채널2 드라이버:</source>
        <translation>Channel 2 driver:</translation>
    </message>
    <message>
        <source>채널2 드라이버 버전:</source>
        <translation>Channel 2 driver version:</translation>
    </message>
    <message>
        <source>읽어오기</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>닫기</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>ui::CTagImageBox</name>
    <message>
        <source>이미지 번호: %1</source>
        <translation>Image number: %1</translation>
    </message>
</context>
<context>
    <name>ui::CTagListDialog</name>
    <message>
        <source>태그 리스트</source>
        <translation>Tag list</translation>
    </message>
    <message>
        <source>너비</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>높이</source>
        <translation>Height</translation>
    </message>
</context>
<context>
    <name>ui::CTagPropDialog</name>
    <message>
        <source>&amp;X:</source>
        <translation>&amp;X:</translation>
    </message>
    <message>
        <source>&amp;Y:</source>
        <translation>&amp;Y:</translation>
    </message>
    <message>
        <source>위치</source>
        <translation>Position</translation>
    </message>
</context>
<context>
    <name>ui::CTextLookDialog</name>
    <message>
        <source>텍스트</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>텍스트(&amp;T):</source>
        <translation>&amp;Text:</translation>
    </message>
    <message>
        <source>모양</source>
        <translation>Appearance</translation>
    </message>
    <message>
        <source>색 반전(&amp;I)</source>
        <translation>&amp;Invert colours</translation>
    </message>
    <message>
        <source>글꼴</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>작은 글꼴(&amp;S)</source>
        <translation>&amp;Small font</translation>
    </message>
    <message>
        <source>보통 글꼴(&amp;N)</source>
        <translation>&amp;Normal font</translation>
    </message>
    <message>
        <source>큰 글꼴(&amp;L)</source>
        <translation>&amp;Large font</translation>
    </message>
    <message>
        <source>( 한글은 작은글꼴이 지원되지 않습니다. )</source>
        <translation>( Korean text is not supported in the small font. )</translation>
    </message>
    <message>
        <source>%1/%2 바이트</source>
        <translation>%1/%2 bytes</translation>
    </message>
    <message>
        <source>테두리(&amp;E)</source>
        <translation>Bo&amp;rder</translation>
    </message>
</context>
<context>
    <name>ui::CTextTagDialog</name>
    <message>
        <source>텍스트 속성</source>
        <translation>Text Properties</translation>
    </message>
</context>
<context>
    <name>ui::CTransEditDialog</name>
    <message>
        <source>블록통신 편집</source>
        <translation>Edit Block Transfer</translation>
    </message>
    <message>
        <source>통신방향</source>
        <translation>Direction</translation>
    </message>
    <message>
        <source>데이터크기(&amp;S):</source>
        <translation>Data &amp;size:</translation>
    </message>
    <message>
        <source>PLC주소</source>
        <translation>PLC address</translation>
    </message>
    <message>
        <source>HMI주소</source>
        <translation>HMI address</translation>
    </message>
    <message>
        <source>주소...</source>
        <translation>Address...</translation>
    </message>
    <message>
        <source>기동주소</source>
        <translation>Start address</translation>
    </message>
    <message>
        <source>상시</source>
        <translation>Always</translation>
    </message>
    <message>
        <source>반전</source>
        <translation>Toggle</translation>
    </message>
    <message>
        <source>On 계속</source>
        <translation>While On</translation>
    </message>
    <message>
        <source>Off 계속</source>
        <translation>While Off</translation>
    </message>
    <message>
        <source>통신조건</source>
        <translation>Communication condition</translation>
    </message>
    <message>
        <source>Word (1 ~ %1)</source>
        <translation>Word (1 ~ %1)</translation>
    </message>
</context>
<context>
    <name>ui::CTwoImageTagDialog</name>
    <message>
        <source>디바이스</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>On 상태값</source>
        <translation>On state value</translation>
    </message>
    <message>
        <source>이미지</source>
        <translation>Images</translation>
    </message>
    <message>
        <source>확대(&amp;E)</source>
        <translation>&amp;Enlarge</translation>
    </message>
</context>
<context>
    <name>ui::CUsedSysMemDialog</name>
    <message>
        <source>사용된 시스템 메모리</source>
        <translation>Used System Memory</translation>
    </message>
    <message>
        <source>닫기</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>ui::CXrefDialog</name>
    <message>
        <source>교차 참조</source>
        <translation>Cross-Reference</translation>
    </message>
    <message>
        <source>전체</source>
        <translation>All</translation>
    </message>
    <message>
        <source>태그</source>
        <translation>Tags</translation>
    </message>
    <message>
        <source>기능 키</source>
        <translation>Function keys</translation>
    </message>
    <message>
        <source>경보</source>
        <translation>Alarms</translation>
    </message>
    <message>
        <source>연산</source>
        <translation>Calculations</translation>
    </message>
    <message>
        <source>블록통신</source>
        <translation>Block transfers</translation>
    </message>
    <message>
        <source>예약</source>
        <translation>Reservations</translation>
    </message>
    <message>
        <source>파라미터</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <source>위치 / 사용처</source>
        <translation>Point / user</translation>
    </message>
    <message>
        <source>시스템 이름</source>
        <translation>System name</translation>
    </message>
    <message>
        <source>읽기/쓰기</source>
        <translation>R/W</translation>
    </message>
    <message>
        <source>찾기(&amp;F):</source>
        <translation>&amp;Find:</translation>
    </message>
    <message>
        <source>채널(&amp;H):</source>
        <translation>C&amp;hannel:</translation>
    </message>
    <message>
        <source>사용처 종류(&amp;K):</source>
        <translation>User &amp;kind:</translation>
    </message>
    <message>
        <source>참조(&amp;R):</source>
        <translation>&amp;References:</translation>
    </message>
    <message>
        <source>메시지</source>
        <translation>Messages</translation>
    </message>
    <message>
        <source>이미지</source>
        <translation>Images</translation>
    </message>
    <message>
        <source>겹침 %1</source>
        <translation>overlaps %1</translation>
    </message>
    <message>
        <source>크기</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>%1 워드</source>
        <translation>%1 words</translation>
    </message>
    <message>
        <source>비트</source>
        <translation>Bit</translation>
    </message>
    <message>
        <source>더블 워드</source>
        <translation>Double word</translation>
    </message>
    <message>
        <source>워드</source>
        <translation>Word</translation>
    </message>
</context>
<context>
    <name>ui::CZoomWnd</name>
    <message>
        <source>확대상자</source>
        <translation>Magnifier</translation>
    </message>
</context>
<context>
    <name>ui::CommText</name>
    <message>
        <source>암호</source>
        <translation>password</translation>
    </message>
    <message>
        <source>스크린</source>
        <translation>screen</translation>
    </message>
    <message>
        <source>폰트</source>
        <translation>font</translation>
    </message>
    <message>
        <source>글로벌</source>
        <translation>global</translation>
    </message>
    <message>
        <source>이미지</source>
        <translation>image</translation>
    </message>
    <message>
        <source>스트링</source>
        <translation>string</translation>
    </message>
    <message>
        <source>날짜/시간</source>
        <translation>date/time</translation>
    </message>
    <message>
        <source>드라이버: %s, %s</source>
        <translation>drivers: %s, %s</translation>
    </message>
    <message>
        <source>통신 포트를 열 수 없습니다.</source>
        <translation>Cannot open the communication port.</translation>
    </message>
    <message>
        <source>타임아웃 에러입니다.</source>
        <translation>Time-out error.</translation>
    </message>
    <message>
        <source>NAK 수신 : %s</source>
        <translation>NAK received: %s</translation>
    </message>
    <message>
        <source>Frame 에러</source>
        <translation>Frame error</translation>
    </message>
    <message>
        <source>BCC 에러</source>
        <translation>BCC error</translation>
    </message>
    <message>
        <source>통신 포트에 쓰는데 실패했습니다.</source>
        <translation>Writing to the communication port failed.</translation>
    </message>
    <message>
        <source>메모리가 지워져 있습니다.</source>
        <translation>The memory is erased.</translation>
    </message>
    <message>
        <source>Command 에러</source>
        <translation>Command error</translation>
    </message>
    <message>
        <source>Sub Command 에러</source>
        <translation>Sub-command error</translation>
    </message>
    <message>
        <source>Address 에러</source>
        <translation>Address error</translation>
    </message>
    <message>
        <source>RTC Read 에러</source>
        <translation>RTC read error</translation>
    </message>
    <message>
        <source>RTC Write 에러</source>
        <translation>RTC write error</translation>
    </message>
    <message>
        <source>이 타입은 날짜/시간 설정 기능을 제공하지 않습니다. HMI 타입을 확인하시기 바랍니다.</source>
        <translation>This type cannot set the date and time. Please check the HMI type.</translation>
    </message>
    <message>
        <source>다운로드 중.....</source>
        <translation>Downloading.....</translation>
    </message>
    <message>
        <source>업로드 중.....</source>
        <translation>Uploading.....</translation>
    </message>
    <message>
        <source>통신실패

%s 송수신에 실패했습니다.</source>
        <translation>Communication failed

Sending/receiving the %s area failed.</translation>
    </message>
    <message>
        <source>통신이 중지되었습니다.</source>
        <translation>Communication has been stopped.</translation>
    </message>
    <message>
        <source>통신성공

통신을 성공적으로 끝냈습니다.</source>
        <translation>Communication succeeded

The communication finished successfully.</translation>
    </message>
    <message>
        <source>암호 입력</source>
        <translation>Password entry</translation>
    </message>
    <message>
        <source>암호가 입력되지 않았습니다.</source>
        <translation>No password has been entered.</translation>
    </message>
    <message>
        <source>암호는 A-Z, a-z, or 0-9 만 입력가능합니다.</source>
        <translation>A password may contain only A-Z, a-z or 0-9.</translation>
    </message>
    <message>
        <source>암호가 일치하지 않습니다.</source>
        <translation>The password does not match.</translation>
    </message>
    <message>
        <source>새로운 암호로 변경했습니다.</source>
        <translation>The password has been changed.</translation>
    </message>
    <message>
        <source>암호 변경에 실패했습니다.</source>
        <translation>Changing the password failed.</translation>
    </message>
    <message>
        <source>암호를 삭제했습니다.</source>
        <translation>The password has been removed.</translation>
    </message>
    <message>
        <source>암호 삭제에 실패했습니다.</source>
        <translation>Removing the password failed.</translation>
    </message>
    <message>
        <source>선택된 영역이 존재하지 않습니다. 영역을 선택하시기 바랍니다.</source>
        <translation>No area is selected. Please select an area.</translation>
    </message>
    <message>
        <source>파라미터를 다운로드하면 특정 경보이력이 모두 지워집니다. 계속하시겠습니까?</source>
        <translation>Downloading the parameters erases the specific alarm history. Continue?</translation>
    </message>
    <message>
        <source>다음과 같은 드라이버 파일이 없으므로  프로젝트를 다운로드 할 수 없습니다. 
%s</source>
        <translation>The project cannot be downloaded because this driver file is missing:
%s</translation>
    </message>
    <message>
        <source>채널%d: 파일명[%s]</source>
        <translation>Channel %d: file name [%s]</translation>
    </message>
    <message>
        <source>Velmar Panel에 현재 파라미터 설정값과 다른  드라이버가 설치되어 있습니다. 
파라미터를 다운로드 하지 않을 시 기기가 정상적으로 동작하지 않을 수 있습니다.
파라미터를 다운로드 하시겠습니까?</source>
        <translation>The Velmar Panel holds other drivers than the parameters name.
Unless the parameters are downloaded the panel may not work properly.
Download the parameters?</translation>
    </message>
    <message>
        <source>현재 프로젝트의 내용이 업로드된 데이타로 바뀝니다.
계속하시겠습니까?</source>
        <translation>The current project&apos;s content will be replaced by the uploaded data.
Continue?</translation>
    </message>
    <message>
        <source>전체 경보이력과 특정경보이력이 모두 삭제됩니다. 계속하시겠습니까?</source>
        <translation>All alarm history and specific alarm history will be deleted. Continue?</translation>
    </message>
    <message>
        <source>경보이력을 지우는데 성공했습니다.</source>
        <translation>The alarm history has been deleted.</translation>
    </message>
    <message>
        <source>경보이력을 지우는데 실패했습니다.</source>
        <translation>Deleting the alarm history failed.</translation>
    </message>
    <message>
        <source>Velmar Panel의 전체 메모리가 삭제됩니다. 계속하시겠습니까?</source>
        <translation>The whole memory of the Velmar Panel will be erased. Continue?</translation>
    </message>
    <message>
        <source>전체 메모리를 삭제하는데 성공했습니다.</source>
        <translation>The whole memory has been erased.</translation>
    </message>
    <message>
        <source>전체 메모리를 삭제하는데 실패했습니다.</source>
        <translation>Erasing the whole memory failed.</translation>
    </message>
    <message>
        <source>정말로 다운로드하시겠습니까?</source>
        <translation>Really download?</translation>
    </message>
    <message>
        <source>파일을 열 수 없습니다.[%s]</source>
        <translation>Cannot open the file. [%s]</translation>
    </message>
    <message>
        <source>파일이 너무 커서 다운로드 할 수 없습니다.</source>
        <translation>The file is too large to download.</translation>
    </message>
    <message>
        <source>시스템 정보 읽기에 실패했습니다.</source>
        <translation>Reading the system information failed.</translation>
    </message>
    <message>
        <source>미사용</source>
        <translation>Unused</translation>
    </message>
    <message>
        <source>실행파일이 존재하지 않습니다.
[%s]가 존재하는지 확인하십시오.</source>
        <translation>The program does not exist.
Check that [%s] exists.</translation>
    </message>
    <message>
        <source>일</source>
        <translation>Sun</translation>
    </message>
    <message>
        <source>월</source>
        <translation>Mon</translation>
    </message>
    <message>
        <source>화</source>
        <translation>Tue</translation>
    </message>
    <message>
        <source>수</source>
        <translation>Wed</translation>
    </message>
    <message>
        <source>목</source>
        <translation>Thu</translation>
    </message>
    <message>
        <source>금</source>
        <translation>Fri</translation>
    </message>
    <message>
        <source>토</source>
        <translation>Sat</translation>
    </message>
    <message>
        <source>암호는 10자까지 입력할 수 있습니다.</source>
        <translation>A password holds at most 10 characters.</translation>
    </message>
    <message>
        <source>상수</source>
        <translation>constant</translation>
    </message>
    <message>
        <source>버전 1.1 이전에 저장된 경보이력이므로 업로드할 수 없습니다. 

OS를 최근 버전으로 업그레이드하시기 바랍니다.</source>
        <translation>The alarm history was saved before version 1.1 and cannot be uploaded. 

Please upgrade the OS to the latest version.</translation>
    </message>
    <message>
        <source>경보이력 읽기 실패</source>
        <translation>Reading the alarm history failed</translation>
    </message>
    <message>
        <source>검색 종료일은 시작일보다 작을 수 없습니다.</source>
        <translation>The end of the search cannot lie before its start.</translation>
    </message>
    <message>
        <source>선택된 라인이 없습니다. 확인하시기 바랍니다.</source>
        <translation>No line is selected. Please check.</translation>
    </message>
    <message>
        <source>선택된 라인의 레코드를 정말로 지우시겠습니까?</source>
        <translation>Really delete the records of the selected lines?</translation>
    </message>
    <message>
        <source>드라이버 파일 %s이(가) 너무 커서 패널의 드라이버 영역에 들어가지 않습니다(채널 %d: %u 바이트).</source>
        <translation>The driver file %s is too large for the panel&apos;s driver area (channel %d holds %u bytes).</translation>
    </message>
    <message>
        <source>(없음)</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>%s 영역을 패널로 보내는 중에 통신이 실패했습니다.
%s</source>
        <translation>Sending the %s area to the panel failed.
%s</translation>
    </message>
    <message>
        <source>패널에서 %s 영역을 받는 중에 통신이 실패했습니다.
%s</source>
        <translation>Receiving the %s area from the panel failed.
%s</translation>
    </message>
    <message>
        <source>%s 영역을 보내는 중에 패널이 응답하지 않았습니다.
%s</source>
        <translation>The panel did not answer while the %s area was being sent.
%s</translation>
    </message>
    <message>
        <source>%s 영역을 받는 중에 패널이 응답하지 않았습니다.
%s</source>
        <translation>The panel did not answer while the %s area was being received.
%s</translation>
    </message>
    <message>
        <source>패널에 프로젝트가 없습니다.
%s</source>
        <translation>The panel holds no project.
%s</translation>
    </message>
    <message>
        <source> [예]</source>
        <translation> [yes]</translation>
    </message>
    <message>
        <source> [아니요: 예로 답하려면 --yes]</source>
        <translation> [no: use --yes]</translation>
    </message>
    <message>
        <source>패널이 암호를 묻습니다. --password로 암호를 주십시오.</source>
        <translation>The panel asks for its password (use --password).</translation>
    </message>
    <message>
        <source>패널의 시계에 올바른 시각이 없습니다.</source>
        <translation>The panel&apos;s clock holds no valid time.</translation>
    </message>
</context>
</TS>
