-- The tables of the local database and of every submission file.
-- Text columns compare without regard to letter case; dates are stored as yyyymmdd text;
-- rich texts and pictures are BLOBs. Names of tables and columns are case-insensitive.

-- basic data of the applicant, one row per applicant
create table t_grzl (
    f_id TEXT COLLATE NOCASE,
    f_year TEXT COLLATE NOCASE,
    f_name TEXT COLLATE NOCASE,
    f_sex TEXT COLLATE NOCASE,
    f_borndate TEXT COLLATE NOCASE,
    f_cardid TEXT COLLATE NOCASE,
    f_area TEXT COLLATE NOCASE,
    f_postalcode TEXT COLLATE NOCASE,
    f_telephone TEXT COLLATE NOCASE,
    f_dwlb TEXT COLLATE NOCASE,
    f_pg TEXT COLLATE NOCASE,
    f_address TEXT COLLATE NOCASE,
    f_bm TEXT COLLATE NOCASE,
    f_workdw TEXT COLLATE NOCASE,
    f_worktime TEXT COLLATE NOCASE,
    f_trade TEXT COLLATE NOCASE,
    f_nowzc TEXT COLLATE NOCASE,
    f_zcvalitime TEXT COLLATE NOCASE,
    f_zcengagetime TEXT COLLATE NOCASE,
    f_nowbusiness TEXT COLLATE NOCASE,
    f_bustime TEXT COLLATE NOCASE,
    f_result TEXT COLLATE NOCASE,
    f_ksyxstarttime TEXT COLLATE NOCASE,
    f_ksyxendtime TEXT COLLATE NOCASE,
    f_handset TEXT COLLATE NOCASE,
    f_zclettercode TEXT COLLATE NOCASE,
    F_oldzc TEXT COLLATE NOCASE,
    F_oldzcvalitime TEXT COLLATE NOCASE,
    F_oldzclettercode TEXT COLLATE NOCASE,
    F_kjztime TEXT COLLATE NOCASE,
    F_kjzhao TEXT COLLATE NOCASE,
    f_hgzHao TEXT COLLATE NOCASE,
    f_pgtj TEXT COLLATE NOCASE,
    f_dwjb TEXT COLLATE NOCASE,
    f_dwxz TEXT COLLATE NOCASE,
    f_kjzwxz TEXT COLLATE NOCASE,
    f_officething TEXT COLLATE NOCASE,
    f_rewandpun TEXT COLLATE NOCASE,
    f_ispunished TEXT COLLATE NOCASE,
    f_gsstarttime TEXT COLLATE NOCASE,
    f_gsendtime TEXT COLLATE NOCASE,
    f_gsposition TEXT COLLATE NOCASE,
    f_gsdw TEXT COLLATE NOCASE,
    f_gstime TEXT COLLATE NOCASE,
    f_commend BLOB,
    f_yhh INTEGER,
    F_other TEXT COLLATE NOCASE
);
create index ix_t_grzl_id on t_grzl (f_id);

-- unit introduction, one row per applicant; amounts in ten-thousand yuan
create table t_cointrod (
    f_id TEXT COLLATE NOCASE,
    f_assettotal REAL,
    f_onlyasset REAL,
    f_gaintotal REAL,
    f_taxtotal REAL,
    f_busigath REAL,
    f_casegath REAL,
    f_personnum INTEGER,
    f_bursarnum INTEGER,
    f_bursarnum1 INTEGER,
    f_bursarnum2 INTEGER,
    f_cointrod TEXT COLLATE NOCASE,
    f_other TEXT COLLATE NOCASE,
    f_dwxz TEXT COLLATE NOCASE,
    F_year TEXT COLLATE NOCASE,
    F_bursarnum0 INTEGER,
    F_bursarnum3 INTEGER
);
create index ix_t_cointrod_id on t_cointrod (f_id);

-- education, one row per degree
create table t_edu (
    f_id TEXT COLLATE NOCASE,
    f_year TEXT COLLATE NOCASE,
    f_index INTEGER,
    f_edulength TEXT COLLATE NOCASE,
    f_edulevel TEXT COLLATE NOCASE,
    f_specialty TEXT COLLATE NOCASE,
    f_specialtysub TEXT COLLATE NOCASE,
    f_eduschool TEXT COLLATE NOCASE,
    f_edutime TEXT COLLATE NOCASE,
    f_edulettercode TEXT COLLATE NOCASE,
    f_issecondedu TEXT COLLATE NOCASE,
    f_isecon TEXT COLLATE NOCASE,
    F_eduschoolsub TEXT COLLATE NOCASE,
    F_edutimesub TEXT COLLATE NOCASE,
    F_edulettercodesub TEXT COLLATE NOCASE
);
create index ix_t_edu_id on t_edu (f_id);

-- work history
create table t_bursar (
    f_id TEXT COLLATE NOCASE,
    f_year TEXT COLLATE NOCASE,
    f_index INTEGER,
    f_bursar TEXT COLLATE NOCASE,
    F_startdate TEXT COLLATE NOCASE,
    f_enddate TEXT COLLATE NOCASE,
    F_workdw TEXT COLLATE NOCASE,
    F_workzw TEXT COLLATE NOCASE
);
create index ix_t_bursar_id on t_bursar (f_id);

-- professional awards
create table t_award (
    f_id TEXT COLLATE NOCASE,
    f_year TEXT COLLATE NOCASE,
    f_index INTEGER,
    f_xmm TEXT COLLATE NOCASE,
    f_hjtime TEXT COLLATE NOCASE,
    f_place TEXT COLLATE NOCASE
);
create index ix_t_award_id on t_award (f_id);

-- works: representative works, articles and books
create table t_art (
    f_id TEXT COLLATE NOCASE,
    f_year TEXT COLLATE NOCASE,
    f_index INTEGER,
    f_subcn TEXT COLLATE NOCASE,
    f_subject TEXT COLLATE NOCASE,
    f_publication TEXT COLLATE NOCASE,
    f_pubtime TEXT COLLATE NOCASE,
    f_place TEXT COLLATE NOCASE,
    f_art BLOB,
    f_bj TEXT COLLATE NOCASE,
    F_subcnsub TEXT COLLATE NOCASE
);
create index ix_t_art_id on t_art (f_id);

-- accounting case, one row per applicant and year
create table t_kjal (
    f_id TEXT COLLATE NOCASE,
    f_year TEXT COLLATE NOCASE,
    f_title TEXT COLLATE NOCASE,
    f_content BLOB
);
create index ix_t_kjal_id on t_kjal (f_id);

-- annual appraisals, rows 1 to 5 per applicant
create table t_checkyear (
    f_id TEXT COLLATE NOCASE,
    f_year TEXT COLLATE NOCASE,
    f_index INTEGER,
    f_checkyear TEXT COLLATE NOCASE,
    f_checkdj TEXT COLLATE NOCASE
);
create index ix_t_checkyear_id on t_checkyear (f_id);

-- further personal data and the opinions of the evaluation table
create table t_grzlother (
    f_id TEXT COLLATE NOCASE,
    f_year TEXT COLLATE NOCASE,
    f_mz TEXT COLLATE NOCASE,
    f_cym TEXT COLLATE NOCASE,
    f_csd TEXT COLLATE NOCASE,
    f_bzgz REAL,
    f_stzk TEXT COLLATE NOCASE,
    f_rzzg TEXT COLLATE NOCASE,
    f_xzzw TEXT COLLATE NOCASE,
    f_rd TEXT COLLATE NOCASE,
    f_rmzd TEXT COLLATE NOCASE,
    f_jz TEXT COLLATE NOCASE,
    f_wy TEXT COLLATE NOCASE,
    f_img BLOB,
    f_dbyj TEXT COLLATE NOCASE,
    f_dbfzr TEXT COLLATE NOCASE,
    f_dbdate TEXT COLLATE NOCASE,
    f_khyj TEXT COLLATE NOCASE,
    f_khfzr TEXT COLLATE NOCASE,
    f_khdate TEXT COLLATE NOCASE,
    f_tjjcyj TEXT COLLATE NOCASE,
    f_tjjcfzr TEXT COLLATE NOCASE,
    f_tjjcdate TEXT COLLATE NOCASE,
    f_tjcbyj TEXT COLLATE NOCASE,
    f_tjcbfzr TEXT COLLATE NOCASE,
    f_tjcbdate TEXT COLLATE NOCASE,
    f_pszjyj TEXT COLLATE NOCASE,
    f_psrq TEXT COLLATE NOCASE,
    f_pszyj TEXT COLLATE NOCASE,
    f_pszdate TEXT COLLATE NOCASE,
    f_zgqrdate TEXT COLLATE NOCASE,
    f_bmdate TEXT COLLATE NOCASE,
    f_pw TEXT COLLATE NOCASE,
    f_zi TEXT COLLATE NOCASE,
    f_hao TEXT COLLATE NOCASE,
    f_psqz TEXT COLLATE NOCASE,
    f_pszr TEXT COLLATE NOCASE
);
create index ix_t_grzlother_id on t_grzlother (f_id);

-- examinations
create table t_ksdb (
    f_id TEXT COLLATE NOCASE,
    f_year TEXT COLLATE NOCASE,
    f_index INTEGER,
    f_date TEXT COLLATE NOCASE,
    f_kszl TEXT COLLATE NOCASE,
    f_kskm TEXT COLLATE NOCASE,
    f_kscj REAL,
    f_zzdw TEXT COLLATE NOCASE
);
create index ix_t_ksdb_id on t_ksdb (f_id);

-- works, papers and technical reports
create table t_lwjl (
    f_id TEXT COLLATE NOCASE,
    f_year TEXT COLLATE NOCASE,
    f_index INTEGER,
    f_date TEXT COLLATE NOCASE,
    f_nrty TEXT COLLATE NOCASE,
    f_jlqk TEXT COLLATE NOCASE,
    f_place TEXT COLLATE NOCASE
);
create index ix_t_lwjl_id on t_lwjl (f_id);

-- achievements before the current post
create table t_rzqyj (
    f_id TEXT COLLATE NOCASE,
    f_year TEXT COLLATE NOCASE,
    f_index INTEGER,
    f_sdate TEXT COLLATE NOCASE,
    f_edate TEXT COLLATE NOCASE,
    f_gz TEXT COLLATE NOCASE,
    f_gznr TEXT COLLATE NOCASE,
    f_wcqk TEXT COLLATE NOCASE
);
create index ix_t_rzqyj_id on t_rzqyj (f_id);

-- achievements after taking up the current post, first sheet
create table t_rzhyja (
    f_id TEXT COLLATE NOCASE,
    f_year TEXT COLLATE NOCASE,
    f_index INTEGER,
    f_sdate TEXT COLLATE NOCASE,
    f_edate TEXT COLLATE NOCASE,
    f_gz TEXT COLLATE NOCASE,
    f_gznr TEXT COLLATE NOCASE,
    f_wcqk TEXT COLLATE NOCASE
);
create index ix_t_rzhyja_id on t_rzhyja (f_id);

-- achievements after taking up the current post, second sheet
create table t_rzhyjb (
    f_id TEXT COLLATE NOCASE,
    f_year TEXT COLLATE NOCASE,
    f_index INTEGER,
    f_sdate TEXT COLLATE NOCASE,
    f_edate TEXT COLLATE NOCASE,
    f_gz TEXT COLLATE NOCASE,
    f_gznr TEXT COLLATE NOCASE,
    f_wcqk TEXT COLLATE NOCASE
);
create index ix_t_rzhyjb_id on t_rzhyjb (f_id);

-- study and training
create table t_study (
    f_id TEXT COLLATE NOCASE,
    f_year TEXT COLLATE NOCASE,
    f_index INTEGER,
    f_sdate TEXT COLLATE NOCASE,
    f_edate TEXT COLLATE NOCASE,
    f_nr TEXT COLLATE NOCASE,
    f_dd TEXT COLLATE NOCASE,
    f_zmr TEXT COLLATE NOCASE
);
create index ix_t_study_id on t_study (f_id);

-- user accounts
create table T_yhgl (
    f_yhh INTEGER,
    f_lx INTEGER,
    f_name TEXT COLLATE NOCASE,
    f_gw TEXT COLLATE NOCASE,
    f_mm TEXT COLLATE NOCASE
);

-- area codes: two digits per level
create table t_area (
    f_index TEXT COLLATE NOCASE,
    f_areaname TEXT COLLATE NOCASE,
    f_js INTEGER,
    f_end INTEGER
);

-- education codes
create table t_eduset (
    f_index TEXT COLLATE NOCASE,
    f_eduname TEXT COLLATE NOCASE,
    f_js INTEGER,
    f_end INTEGER
);

-- unit-category codes
create table t_dwlb (
    f_index TEXT COLLATE NOCASE,
    f_dwname TEXT COLLATE NOCASE,
    f_js INTEGER,
    f_end INTEGER
);

-- unit natures offered by the dossier
create table t_dwxz (
    f_index TEXT COLLATE NOCASE,
    f_name TEXT COLLATE NOCASE
);

-- exceptional-admission conditions offered by the dossier
create table t_pgtj (
    f_index TEXT COLLATE NOCASE,
    f_tj TEXT COLLATE NOCASE
);

-- settings; a submission file carries the row f_bj = version
create table t_set (
    f_bj TEXT COLLATE NOCASE,
    f_value TEXT COLLATE NOCASE
);
