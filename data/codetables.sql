-- Code tables of a fresh installation. Codes are two digits per level; f_js is the level,
-- f_end is 1 for a leaf and 0 for a code with children.

-- Areas: the provincial and the central units, and the prefecture cities of the province.
insert into t_area (f_index, f_areaname, f_js, f_end) values ('01', '省直', 1, 1);
insert into t_area (f_index, f_areaname, f_js, f_end) values ('02', '中直在闽单位', 1, 1);
insert into t_area (f_index, f_areaname, f_js, f_end) values ('03', '设区市', 1, 0);
insert into t_area (f_index, f_areaname, f_js, f_end) values ('0301', '福州市', 2, 1);
insert into t_area (f_index, f_areaname, f_js, f_end) values ('0302', '厦门市', 2, 1);
insert into t_area (f_index, f_areaname, f_js, f_end) values ('0303', '莆田市', 2, 1);
insert into t_area (f_index, f_areaname, f_js, f_end) values ('0304', '三明市', 2, 1);
insert into t_area (f_index, f_areaname, f_js, f_end) values ('0305', '泉州市', 2, 1);
insert into t_area (f_index, f_areaname, f_js, f_end) values ('0306', '漳州市', 2, 1);
insert into t_area (f_index, f_areaname, f_js, f_end) values ('0307', '南平市', 2, 1);
insert into t_area (f_index, f_areaname, f_js, f_end) values ('0308', '龙岩市', 2, 1);
insert into t_area (f_index, f_areaname, f_js, f_end) values ('0309', '宁德市', 2, 1);

-- Unit natures offered by the dossier.
insert into t_dwxz (f_index, f_name) values ('01', '国家机关');
insert into t_dwxz (f_index, f_name) values ('02', '事业单位');
insert into t_dwxz (f_index, f_name) values ('03', '国有企业');
insert into t_dwxz (f_index, f_name) values ('04', '集体企业');
insert into t_dwxz (f_index, f_name) values ('05', '民营企业');
insert into t_dwxz (f_index, f_name) values ('06', '外商投资企业');
insert into t_dwxz (f_index, f_name) values ('07', '社会团体');
insert into t_dwxz (f_index, f_name) values ('08', '其他');

-- Exceptional-admission conditions; the dossier stores the chosen codes joined by ",".
insert into t_pgtj (f_index, f_tj) values ('01', '获省部级以上科技进步奖或优秀科研成果奖');
insert into t_pgtj (f_index, f_tj) values ('02', '在国家级专业期刊上发表本专业学术论文2篇以上');
insert into t_pgtj (f_index, f_tj) values ('03', '公开出版本专业学术专著或译著');
insert into t_pgtj (f_index, f_tj) values ('04', '主持完成省部级以上重点研究课题');
insert into t_pgtj (f_index, f_tj) values ('05', '获全国或省级先进会计工作者称号');
insert into t_pgtj (f_index, f_tj) values ('06', '在会计管理工作中取得显著成绩，经主管部门认定');

-- Education codes.
insert into t_eduset (f_index, f_eduname, f_js, f_end) values ('01', '研究生', 1, 0);
insert into t_eduset (f_index, f_eduname, f_js, f_end) values ('0101', '博士研究生', 2, 1);
insert into t_eduset (f_index, f_eduname, f_js, f_end) values ('0102', '硕士研究生', 2, 1);
insert into t_eduset (f_index, f_eduname, f_js, f_end) values ('02', '大学本科', 1, 1);
insert into t_eduset (f_index, f_eduname, f_js, f_end) values ('03', '大学专科', 1, 1);
insert into t_eduset (f_index, f_eduname, f_js, f_end) values ('04', '中等专业学校', 1, 1);

-- Unit-category codes.
insert into t_dwlb (f_index, f_dwname, f_js, f_end) values ('01', '行政单位', 1, 0);
insert into t_dwlb (f_index, f_dwname, f_js, f_end) values ('0101', '省级机关', 2, 1);
insert into t_dwlb (f_index, f_dwname, f_js, f_end) values ('0102', '市县机关', 2, 1);
insert into t_dwlb (f_index, f_dwname, f_js, f_end) values ('02', '事业单位', 1, 0);
insert into t_dwlb (f_index, f_dwname, f_js, f_end) values ('0201', '全额拨款事业单位', 2, 1);
insert into t_dwlb (f_index, f_dwname, f_js, f_end) values ('0202', '差额拨款事业单位', 2, 1);
insert into t_dwlb (f_index, f_dwname, f_js, f_end) values ('03', '企业单位', 1, 0);
insert into t_dwlb (f_index, f_dwname, f_js, f_end) values ('0301', '大型企业', 2, 1);
insert into t_dwlb (f_index, f_dwname, f_js, f_end) values ('0302', '中小型企业', 2, 1);
