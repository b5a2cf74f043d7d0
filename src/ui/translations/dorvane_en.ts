<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>ui::CNewScreenDialog</name>
    <message>
        <location filename="../project/dlg_new_screen.cpp" line="16"/>
        <source>새 화면 추가</source>
        <translation>Add new screen</translation>
    </message>
    <message>
        <location filename="../project/dlg_new_screen.cpp" line="31"/>
        <source>화면 이름:</source>
        <translation>Screen name:</translation>
    </message>
    <message>
        <location filename="../project/dlg_new_screen.cpp" line="32"/>
        <source>화면 번호:</source>
        <translation>Screen number:</translation>
    </message>
</context>
<context>
    <name>ui::CEnvConfigDialog</name>
    <message>
        <location filename="../dialogs/env_config.cpp" line="35"/>
        <source>옵션</source>
        <translation>Options</translation>
    </message>
    <message>
        <location filename="../dialogs/env_config.cpp" line="36"/>
        <source>배경</source>
        <translation>Background</translation>
    </message>
    <message>
        <location filename="../dialogs/env_config.cpp" line="37"/>
        <source>채우기</source>
        <translation>Fill</translation>
    </message>
    <message>
        <location filename="../dialogs/env_config.cpp" line="38"/>
        <source>그리드</source>
        <translation>Grid</translation>
    </message>
    <message>
        <location filename="../dialogs/env_config.cpp" line="39"/>
        <source>선택된 외곽선</source>
        <translation>Selected outline</translation>
    </message>
    <message>
        <location filename="../dialogs/env_config.cpp" line="40"/>
        <source>선택 안 된 외곽선</source>
        <translation>Unselected outline</translation>
    </message>
    <message>
        <location filename="../dialogs/env_config.cpp" line="41"/>
        <source>기능키 포커스</source>
        <translation>Function-key focus</translation>
    </message>
    <message>
        <location filename="../dialogs/env_config.cpp" line="64"/>
        <source>자동 저장 간격:</source>
        <translation>Auto-save every:</translation>
    </message>
    <message>
        <location filename="../dialogs/env_config.cpp" line="65"/>
        <source>분(&amp;M)</source>
        <translation>&amp;minutes</translation>
    </message>
    <message>
        <location filename="../dialogs/env_config.cpp" line="71"/>
        <source>리소스 언어:</source>
        <translation>Resource language:</translation>
    </message>
</context>
<context>
    <name>ui::CGridSnapDialog</name>
    <message>
        <location filename="../dialogs/grid_snap_dlg.cpp" line="14"/>
        <source>그리드 및 스냅</source>
        <translation>Grid and snap</translation>
    </message>
    <message>
        <location filename="../dialogs/grid_snap_dlg.cpp" line="15"/>
        <source>그리드에 맞춤</source>
        <translation>Snap to grid</translation>
    </message>
    <message>
        <location filename="../dialogs/grid_snap_dlg.cpp" line="17"/>
        <source>그리드 보기</source>
        <translation>Show grid</translation>
    </message>
    <message>
        <location filename="../dialogs/grid_snap_dlg.cpp" line="27"/>
        <source>점</source>
        <translation>Dots</translation>
    </message>
    <message>
        <location filename="../dialogs/grid_snap_dlg.cpp" line="27"/>
        <source>실선</source>
        <translation>Solid lines</translation>
    </message>
    <message>
        <location filename="../dialogs/grid_snap_dlg.cpp" line="27"/>
        <source>점선</source>
        <translation>Dotted lines</translation>
    </message>
    <message>
        <location filename="../dialogs/grid_snap_dlg.cpp" line="32"/>
        <source>가로 간격:</source>
        <translation>Horizontal spacing:</translation>
    </message>
    <message>
        <location filename="../dialogs/grid_snap_dlg.cpp" line="33"/>
        <source>세로 간격:</source>
        <translation>Vertical spacing:</translation>
    </message>
    <message>
        <location filename="../dialogs/grid_snap_dlg.cpp" line="34"/>
        <source>모양:</source>
        <translation>Style:</translation>
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
        <location filename="../undo/screen_props_command.cpp" line="29"/>
        <source>화면 속성</source>
        <translation>Screen properties</translation>
    </message>
    <message>
        <location filename="../undo/screen_presence_command.cpp" line="16"/>
        <source>새 화면</source>
        <translation>New screen</translation>
    </message>
    <message>
        <location filename="../undo/screen_presence_command.cpp" line="17"/>
        <location filename="../app/main_frame.cpp" line="774"/>
        <source>화면 삭제</source>
        <translation>Delete screen</translation>
    </message>
    <message>
        <location filename="../app/main_frame.cpp" line="155"/>
        <source>새 프로젝트(&amp;N)...</source>
        <translation>&amp;New project...</translation>
    </message>
    <message>
        <location filename="../app/main_frame.cpp" line="156"/>
        <source>열기(&amp;O)...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <location filename="../app/main_frame.cpp" line="157"/>
        <source>닫기(&amp;C)</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <location filename="../app/main_frame.cpp" line="158"/>
        <source>저장(&amp;S)</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <location filename="../app/main_frame.cpp" line="159"/>
        <source>다른 이름으로 저장(&amp;A)...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <location filename="../app/main_frame.cpp" line="160"/>
        <source>끝내기(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <location filename="../app/main_frame.cpp" line="163"/>
        <source>실행 취소(&amp;U)</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <location filename="../app/main_frame.cpp" line="163"/>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <location filename="../app/main_frame.cpp" line="165"/>
        <source>다시 실행(&amp;R)</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <location filename="../app/main_frame.cpp" line="165"/>
        <source>Ctrl+Y</source>
        <translation>Ctrl+Y</translation>
    </message>
    <message>
        <location filename="../app/main_frame.cpp" line="167"/>
        <source>잘라내기(&amp;T)</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <location filename="../app/main_frame.cpp" line="168"/>
        <source>복사(&amp;C)</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <location filename="../app/main_frame.cpp" line="169"/>
        <source>붙여넣기(&amp;P)</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <location filename="../app/main_frame.cpp" line="171"/>
        <source>삭제(&amp;D)</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <location filename="../app/main_frame.cpp" line="173"/>
        <source>새 화면(&amp;N)</source>
        <translation>&amp;New screen</translation>
    </message>
    <message>
        <location filename="../app/main_frame.cpp" line="173"/>
        <source>Ctrl+G</source>
        <translation>Ctrl+G</translation>
    </message>
    <message>
        <location filename="../app/main_frame.cpp" line="174"/>
        <source>화면 삭제(&amp;D)</source>
        <translation>&amp;Delete screen</translation>
    </message>
    <message>
        <location filename="../app/main_frame.cpp" line="175"/>
        <source>화면 속성(&amp;P)...</source>
        <translation>Screen &amp;properties...</translation>
    </message>
    <message>
        <location filename="../app/main_frame.cpp" line="181"/>
        <source>태그 리스트</source>
        <translation>Tag list</translation>
    </message>
    <message>
        <location filename="../app/main_frame.cpp" line="188"/>
        <source>메모리 사용량...</source>
        <translation>Memory usage...</translation>
    </message>
    <message>
        <location filename="../app/main_frame.cpp" line="189"/>
        <source>옵션...</source>
        <translation>Options...</translation>
    </message>
    <message>
        <location filename="../app/main_frame.cpp" line="190"/>
        <source>그리드 및 스냅...</source>
        <translation>Grid and snap...</translation>
    </message>
    <message>
        <location filename="../app/main_frame.cpp" line="192"/>
        <source>계단식(&amp;C)</source>
        <translation>&amp;Cascade</translation>
    </message>
    <message>
        <location filename="../app/main_frame.cpp" line="199"/>
        <source>바둑판식(&amp;T)</source>
        <translation>&amp;Tile</translation>
    </message>
    <message>
        <location filename="../app/main_frame.cpp" line="210"/>
        <source>파일(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <location filename="../app/main_frame.cpp" line="218"/>
        <source>최근 파일</source>
        <translation>Recent files</translation>
    </message>
    <message>
        <location filename="../app/main_frame.cpp" line="223"/>
        <source>편집(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <location filename="../app/main_frame.cpp" line="232"/>
        <source>보기(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <location filename="../app/main_frame.cpp" line="234"/>
        <source>프로젝트 창(&amp;P)</source>
        <translation>&amp;Project window</translation>
    </message>
    <message>
        <location filename="../app/main_frame.cpp" line="237"/>
        <source>상태 표시줄(&amp;S)</source>
        <translation>&amp;Status bar</translation>
    </message>
    <message>
        <location filename="../app/main_frame.cpp" line="243"/>
        <source>확대상자</source>
        <translation>Magnifier</translation>
    </message>
    <message>
        <location filename="../app/main_frame.cpp" line="253"/>
        <source>화면(&amp;S)</source>
        <translation>&amp;Screen</translation>
    </message>
    <message>
        <location filename="../app/main_frame.cpp" line="259"/>
        <source>창(&amp;W)</source>
        <translation>&amp;Window</translation>
    </message>
    <message>
        <location filename="../app/main_frame.cpp" line="266"/>
        <source>표준</source>
        <translation>Standard</translation>
    </message>
    <message>
        <location filename="../app/main_frame.cpp" line="281"/>
        <source>그리기</source>
        <translation>Drawing</translation>
    </message>
    <message>
        <location filename="../app/main_frame.cpp" line="285"/>
        <source>선택</source>
        <translation>Select</translation>
    </message>
    <message>
        <location filename="../app/main_frame.cpp" line="285"/>
        <source>수치</source>
        <translation>Numeric</translation>
    </message>
    <message>
        <location filename="../app/main_frame.cpp" line="286"/>
        <source>메시지</source>
        <translation>Message</translation>
    </message>
    <message>
        <location filename="../app/main_frame.cpp" line="286"/>
        <source>문자</source>
        <translation>Text</translation>
    </message>
    <message>
        <location filename="../app/main_frame.cpp" line="287"/>
        <source>램프</source>
        <translation>Lamp</translation>
    </message>
    <message>
        <location filename="../app/main_frame.cpp" line="287"/>
        <source>버튼</source>
        <translation>Button</translation>
    </message>
    <message>
        <location filename="../app/main_frame.cpp" line="288"/>
        <source>원그래프</source>
        <translation>Pie graph</translation>
    </message>
    <message>
        <location filename="../app/main_frame.cpp" line="288"/>
        <source>이미지</source>
        <translation>Image</translation>
    </message>
    <message>
        <location filename="../app/main_frame.cpp" line="289"/>
        <source>막대그래프</source>
        <translation>Bar graph</translation>
    </message>
    <message>
        <location filename="../app/main_frame.cpp" line="289"/>
        <source>트렌드</source>
        <translation>Trend graph</translation>
    </message>
    <message>
        <location filename="../app/main_frame.cpp" line="290"/>
        <source>회전</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <location filename="../app/main_frame.cpp" line="290"/>
        <source>이동</source>
        <translation>Moving</translation>
    </message>
    <message>
        <location filename="../app/main_frame.cpp" line="291"/>
        <source>사각형</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <location filename="../app/main_frame.cpp" line="291"/>
        <source>직선</source>
        <translation>Line</translation>
    </message>
    <message>
        <location filename="../app/main_frame.cpp" line="292"/>
        <source>원</source>
        <translation>Circle</translation>
    </message>
    <message>
        <location filename="../app/main_frame.cpp" line="292"/>
        <source>시계</source>
        <translation>Clock</translation>
    </message>
    <message>
        <location filename="../app/main_frame.cpp" line="293"/>
        <source>이미지 문자</source>
        <translation>Image text</translation>
    </message>
    <message>
        <location filename="../app/main_frame.cpp" line="308"/>
        <source>정렬</source>
        <translation>Arrange</translation>
    </message>
    <message>
        <location filename="../app/main_frame.cpp" line="310"/>
        <source>정렬(&amp;A)</source>
        <translation>&amp;Arrange</translation>
    </message>
    <message>
        <location filename="../app/main_frame.cpp" line="313"/>
        <source>맨 앞으로</source>
        <translation>Bring to front</translation>
    </message>
    <message>
        <location filename="../app/main_frame.cpp" line="314"/>
        <source>맨 뒤로</source>
        <translation>Send to back</translation>
    </message>
    <message>
        <location filename="../app/main_frame.cpp" line="315"/>
        <source>왼쪽 맞춤</source>
        <translation>Align left</translation>
    </message>
    <message>
        <location filename="../app/main_frame.cpp" line="316"/>
        <source>오른쪽 맞춤</source>
        <translation>Align right</translation>
    </message>
    <message>
        <location filename="../app/main_frame.cpp" line="317"/>
        <source>위쪽 맞춤</source>
        <translation>Align top</translation>
    </message>
    <message>
        <location filename="../app/main_frame.cpp" line="318"/>
        <source>아래쪽 맞춤</source>
        <translation>Align bottom</translation>
    </message>
    <message>
        <location filename="../app/main_frame.cpp" line="319"/>
        <source>가로 가운데</source>
        <translation>Centre horizontally</translation>
    </message>
    <message>
        <location filename="../app/main_frame.cpp" line="320"/>
        <source>세로 가운데</source>
        <translation>Centre vertically</translation>
    </message>
    <message>
        <location filename="../app/main_frame.cpp" line="321"/>
        <source>가로 같은 간격</source>
        <translation>Space evenly across</translation>
    </message>
    <message>
        <location filename="../app/main_frame.cpp" line="322"/>
        <source>세로 같은 간격</source>
        <translation>Space evenly down</translation>
    </message>
    <message>
        <location filename="../app/main_frame.cpp" line="323"/>
        <source>선택 태그 잠금</source>
        <translation>Lock selected tags</translation>
    </message>
    <message>
        <location filename="../app/main_frame.cpp" line="324"/>
        <source>잠금 모두 해제</source>
        <translation>Unlock all</translation>
    </message>
    <message>
        <location filename="../app/main_frame.cpp" line="336"/>
        <source>모두 선택(&amp;A)</source>
        <translation>Select &amp;all</translation>
    </message>
    <message>
        <location filename="../app/main_frame.cpp" line="467"/>
        <source>%1 파일을 저장할 수 없습니다.
%2</source>
        <translation>Cannot save the file %1.
%2</translation>
    </message>
    <message>
        <location filename="../app/main_frame.cpp" line="493"/>
        <source>%1의 변경 내용을 저장하시겠습니까?</source>
        <translation>Save changes to %1?</translation>
    </message>
    <message>
        <location filename="../app/main_frame.cpp" line="578"/>
        <source>열기</source>
        <translation>Open</translation>
    </message>
    <message>
        <location filename="../app/main_frame.cpp" line="578"/>
        <location filename="../app/main_frame.cpp" line="596"/>
        <source>Dorvane 파일 (*.kvr)</source>
        <translation>Dorvane files (*.kvr)</translation>
    </message>
    <message>
        <location filename="../app/main_frame.cpp" line="595"/>
        <source>다른 이름으로 저장</source>
        <translation>Save As</translation>
    </message>
    <message>
        <location filename="../app/main_frame.cpp" line="824"/>
        <source>붙여넣기</source>
        <translation>Paste</translation>
    </message>
</context>
<context>
    <name>ui::CMemoryUseDialog</name>
    <message>
        <location filename="../dialogs/memory_use_dlg.cpp" line="13"/>
        <source>Velmar Panel 메모리 사용량</source>
        <translation>Velmar Panel memory usage</translation>
    </message>
    <message>
        <location filename="../dialogs/memory_use_dlg.cpp" line="15"/>
        <source>용량</source>
        <translation>Capacity</translation>
    </message>
    <message>
        <location filename="../dialogs/memory_use_dlg.cpp" line="15"/>
        <source>사용량</source>
        <translation>Used</translation>
    </message>
    <message>
        <location filename="../dialogs/memory_use_dlg.cpp" line="15"/>
        <source>사용비율</source>
        <translation>Ratio</translation>
    </message>
    <message>
        <location filename="../dialogs/memory_use_dlg.cpp" line="16"/>
        <source>화면</source>
        <translation>Screen</translation>
    </message>
    <message>
        <location filename="../dialogs/memory_use_dlg.cpp" line="16"/>
        <source>메시지</source>
        <translation>Message</translation>
    </message>
    <message>
        <location filename="../dialogs/memory_use_dlg.cpp" line="16"/>
        <source>이미지</source>
        <translation>Image</translation>
    </message>
</context>
<context>
    <name>ui::CPrjMgnDialog</name>
    <message>
        <location filename="../dialogs/prj_mgn_dlg.cpp" line="18"/>
        <source>프로젝트 관리</source>
        <translation>Project management</translation>
    </message>
    <message>
        <location filename="../dialogs/prj_mgn_dlg.cpp" line="20"/>
        <source>채널 1 PLC:</source>
        <translation>Channel 1 PLC:</translation>
    </message>
    <message>
        <location filename="../dialogs/prj_mgn_dlg.cpp" line="21"/>
        <source>채널 2 PLC:</source>
        <translation>Channel 2 PLC:</translation>
    </message>
    <message>
        <location filename="../dialogs/prj_mgn_dlg.cpp" line="30"/>
        <source>연결 포트:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <location filename="../dialogs/prj_mgn_dlg.cpp" line="39"/>
        <source>통신 속도:</source>
        <translation>Speed:</translation>
    </message>
    <message>
        <location filename="../dialogs/prj_mgn_dlg.cpp" line="43"/>
        <location filename="../dialogs/prj_mgn_dlg.cpp" line="75"/>
        <source>찾아보기...</source>
        <translation>Browse...</translation>
    </message>
    <message>
        <location filename="../dialogs/prj_mgn_dlg.cpp" line="48"/>
        <source>프로젝트 파일:</source>
        <translation>Project file:</translation>
    </message>
    <message>
        <location filename="../dialogs/prj_mgn_dlg.cpp" line="76"/>
        <source>Dorvane 파일 (*.kvr)</source>
        <translation>Dorvane files (*.kvr)</translation>
    </message>
</context>
<context>
    <name>ui::CProjectWindow</name>
    <message>
        <location filename="../project/project_window.cpp" line="101"/>
        <source>새 화면(&amp;N)</source>
        <translation>&amp;New screen</translation>
    </message>
    <message>
        <location filename="../project/project_window.cpp" line="102"/>
        <source>화면 삭제(&amp;D)</source>
        <translation>&amp;Delete screen</translation>
    </message>
    <message>
        <location filename="../project/project_window.cpp" line="104"/>
        <source>잘라내기(&amp;T)</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <location filename="../project/project_window.cpp" line="105"/>
        <source>복사(&amp;C)</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <location filename="../project/project_window.cpp" line="106"/>
        <source>붙여넣기(&amp;P)</source>
        <translation>&amp;Paste</translation>
    </message>
</context>
<context>
    <name>ui::CScreenPropDialog</name>
    <message>
        <location filename="../project/screen_prop_dlg.cpp" line="28"/>
        <source>화면 속성</source>
        <translation>Screen properties</translation>
    </message>
    <message>
        <location filename="../project/screen_prop_dlg.cpp" line="41"/>
        <source>배경 이미지 선택</source>
        <translation>Background image</translation>
    </message>
    <message>
        <location filename="../project/screen_prop_dlg.cpp" line="54"/>
        <source>암호 사용</source>
        <translation>Use password</translation>
    </message>
    <message>
        <location filename="../project/screen_prop_dlg.cpp" line="62"/>
        <source>화면 이름:</source>
        <translation>Screen name:</translation>
    </message>
    <message>
        <location filename="../project/screen_prop_dlg.cpp" line="63"/>
        <source>화면 번호:</source>
        <translation>Screen number:</translation>
    </message>
    <message>
        <location filename="../project/screen_prop_dlg.cpp" line="64"/>
        <source>이전 화면(◀):</source>
        <translation>Previous screen (◀):</translation>
    </message>
    <message>
        <location filename="../project/screen_prop_dlg.cpp" line="65"/>
        <source>다음 화면(▶):</source>
        <translation>Next screen (▶):</translation>
    </message>
</context>
<context>
    <name>ui::CTagListDialog</name>
    <message>
        <location filename="../project/tag_list_dlg.cpp" line="27"/>
        <source>태그 리스트</source>
        <translation>Tag list</translation>
    </message>
    <message>
        <location filename="../project/tag_list_dlg.cpp" line="29"/>
        <source>수치</source>
        <translation>Numeric</translation>
    </message>
    <message>
        <location filename="../project/tag_list_dlg.cpp" line="29"/>
        <source>메시지</source>
        <translation>Message</translation>
    </message>
    <message>
        <location filename="../project/tag_list_dlg.cpp" line="29"/>
        <source>문자</source>
        <translation>Text</translation>
    </message>
    <message>
        <location filename="../project/tag_list_dlg.cpp" line="29"/>
        <source>램프</source>
        <translation>Lamp</translation>
    </message>
    <message>
        <location filename="../project/tag_list_dlg.cpp" line="29"/>
        <source>버튼</source>
        <translation>Button</translation>
    </message>
    <message>
        <location filename="../project/tag_list_dlg.cpp" line="29"/>
        <source>원그래프</source>
        <translation>Pie graph</translation>
    </message>
    <message>
        <location filename="../project/tag_list_dlg.cpp" line="30"/>
        <source>이미지</source>
        <translation>Image</translation>
    </message>
    <message>
        <location filename="../project/tag_list_dlg.cpp" line="30"/>
        <source>막대그래프</source>
        <translation>Bar graph</translation>
    </message>
    <message>
        <location filename="../project/tag_list_dlg.cpp" line="30"/>
        <source>트렌드</source>
        <translation>Trend graph</translation>
    </message>
    <message>
        <location filename="../project/tag_list_dlg.cpp" line="30"/>
        <source>회전</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <location filename="../project/tag_list_dlg.cpp" line="30"/>
        <source>이동</source>
        <translation>Moving</translation>
    </message>
    <message>
        <location filename="../project/tag_list_dlg.cpp" line="30"/>
        <source>사각형</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <location filename="../project/tag_list_dlg.cpp" line="31"/>
        <source>직선</source>
        <translation>Line</translation>
    </message>
    <message>
        <location filename="../project/tag_list_dlg.cpp" line="31"/>
        <source>원</source>
        <translation>Circle</translation>
    </message>
    <message>
        <location filename="../project/tag_list_dlg.cpp" line="31"/>
        <source>시계</source>
        <translation>Clock</translation>
    </message>
    <message>
        <location filename="../project/tag_list_dlg.cpp" line="31"/>
        <source>이미지 문자</source>
        <translation>Image text</translation>
    </message>
    <message>
        <location filename="../project/tag_list_dlg.cpp" line="37"/>
        <source>너비</source>
        <translation>Width</translation>
    </message>
    <message>
        <location filename="../project/tag_list_dlg.cpp" line="37"/>
        <source>높이</source>
        <translation>Height</translation>
    </message>
</context>
<context>
    <name>ui::CZoomWnd</name>
    <message>
        <location filename="../view/zoom_wnd.cpp" line="13"/>
        <source>확대상자</source>
        <translation>Magnifier</translation>
    </message>
</context>
<context>
    <name>ui::CFuncKeyDialog</name>
    <message>
        <source>부호</source>
        <translation>Signed</translation>
    </message>
    <message>
        <source>암호 사용</source>
        <translation>Use password</translation>
    </message>
    <message>
        <source>모든 화면에 적용</source>
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
    <name>ui::CRecordListDialog</name>
    <message>
        <source>추가(&amp;A)</source>
        <translation>&amp;Add</translation>
    </message>
    <message>
        <source>수정(&amp;M)</source>
        <translation>&amp;Modify</translation>
    </message>
    <message>
        <source>삭제(&amp;D)</source>
        <translation>&amp;Delete</translation>
    </message>
</context>
</TS>
